#pragma once
// Small file and folder helpers. None reports an error: each returns an empty or neutral result and
// the caller decides what to tell the user. Paths are resolved without regard to case.

#include <QString>
#include <cstdint>

namespace frame {

bool FileExists(const QString& path);
// The file's name without its folder, or empty when the file cannot be found.
QString GetFileName(const QString& path);
// The file's size in bytes, 0 when it does not exist; sizes beyond the 32-bit range read as the
// largest 32-bit value.
int32_t GetFileSize(const QString& path);
// The stored form of a path: lower case, backslashes, relative to the installation folder when it
// lies inside it.
QString GetRelativePath(const QString& path);
// Copies a file to a destination that must not exist yet. The copy is written under a temporary
// name and renamed when complete, so a failed copy never leaves a half file behind. It is not
// flushed to disk one by one: the source stays where it is, so nothing can be lost.
bool CopyFileTo(const QString& source, const QString& destination);
// Creates the folder (and any missing parents); carries on silently when it exists or cannot be made.
void sbCreateFolder(const QString& path);

}  // namespace frame
