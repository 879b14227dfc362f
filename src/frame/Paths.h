#pragma once
// Stored paths and native paths. Cards and settings store file paths in the system's portable form:
// lower case, backslashes, relative to the installation folder when the file lies inside it. Every
// file the programs open goes through ResolvePath, which finds each path component without regard
// to case, as the stored (lower-cased) names require.

#include <QString>

namespace frame {

// The native path of a file named by a possibly differently-cased path; a component that does not
// exist in any case is kept as given, so the result names the file to create.
QString ResolvePath(const QString& path);

// The native, resolved path of a stored path: relative ones are taken from the installation folder.
QString NativePath(const QString& storedPath);

// Joins a folder (with or without trailing separator) and a name.
QString JoinPath(const QString& folder, const QString& name);

}  // namespace frame
