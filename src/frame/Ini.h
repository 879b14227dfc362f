#pragma once
// INI files with the profile semantics the system relies on: sections and keys matched without
// regard to case, white space around keys and values ignored, values read cut at 254 characters,
// defaults for a missing file, section or key, and file, section and key created on write.
// Files are Windows-1252 text. Nothing is cached: every call reads or writes the file.

#include <QHash>
#include <QString>

namespace frame {

inline constexpr int kIniValueMax = 254;

QString GetINI(const QString& section, const QString& key, const QString& defaultValue, const QString& file);

// Every key of one section read in a single pass (keys in lower case, values as GetINI reads them),
// for routines that look up many keys of a section at once.
QHash<QString, QString> ReadINISection(const QString& section, const QString& file);

// Writes key=value into section of file. An empty value leaves "key=" in the file. Failures are not
// reported. The file is replaced as a whole, so a failed write leaves the old file intact.
void sbSetINI(const QString& section, const QString& key, const QString& value, const QString& file);

// A numeric setting: the key's value as a whole number, or the default when it is missing or not a
// number.
int GetINIInt(const QString& section, const QString& key, int defaultValue, const QString& file);

}  // namespace frame
