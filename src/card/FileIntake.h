#pragma once
// Taking a file into a category folder: the rule shared by the element editor's file choice, the card
// window's main picture and the MP3 folder import.
//
// The copy gets the source's name in lower case. When the category folder already holds a file of
// that name (names compared without case) and the same size in bytes, it counts as the same file and
// nothing is copied. Otherwise the name is prefixed with a counter: 1 + name, then 2 + name, and so
// on, until a free name or a same-sized file is found. The stored path of the result (lower case,
// backslashes, relative to the installation folder, see frame::GetRelativePath) is returned.

#include <QString>

namespace card {

// Takes `source` (a native full path) into the category folder `catPath` (full path, with or without
// a trailing separator). `counter` is the prefix counter: it is increased at each clash and not reset,
// so a folder import that passes the same counter for all its files numbers its clashes 1, 2, 3, ...
// Returns the stored path of the file in the category folder, or the empty text when the source is
// not a file or the copy failed (nothing is stored then).
QString TakeFileIntoFolder(const QString& source, const QString& catPath, int& counter);

// The same with a counter of its own, starting at 0: the editor's single file choice.
QString TakeFileIntoFolder(const QString& source, const QString& catPath);

}  // namespace card
