#pragma once
// Password scrambling for the user file: every character's 8-bit code exclusive-or 255, after
// leading and trailing spaces are removed. Its own inverse.

#include <QString>

namespace frame {

QString Scramble(const QString& text);

// The form a scrambled password takes in the user file. Scrambled letters and digits are bytes 128 to
// 255 and stand as they are; the few codes that one INI line cannot hold (the accented vowels scramble
// to control characters, "ò" to a carriage return) are written as "%" and two hex digits, and so is
// "%" itself.
QString EncodeStoredPassword(const QString& scrambled);
QString DecodeStoredPassword(const QString& stored);

}  // namespace frame
