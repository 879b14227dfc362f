#pragma once
// The single codec for the system's 8-bit text files (INI, language and label files, HTML templates,
// local CDDB entries, ID3v1 tags). Windows-1252, with the five unassigned codes kept as the C1 control
// characters of the same value, so every byte survives a round trip.

#include <QByteArray>
#include <QString>

namespace frame {

QString fromCp1252(const QByteArray& bytes);
QString fromCp1252(const char* data, qsizetype size);
QByteArray toCp1252(const QString& text);
// One character's 8-bit code, or '?' when the character has none in the code page.
unsigned char cp1252Code(QChar c);
QChar cp1252Char(unsigned char code);

}  // namespace frame
