#pragma once
// The CD folder listing of the card: the folders directly below the root of the disc in the first
// CD-ROM drive, where the system has mounted it.

#include <QString>
#include <QStringList>

namespace card {

// The mount point of a device in a mount table text (the kernel's /proc/mounts form, with octal
// escapes such as \040 for a space), or empty when the device is not mounted.
QString MountPointOf(const QString& device, const QString& mountsText);

// The names of the folders directly below root, in the order the file system lists them.
QStringList TopFolders(const QString& root);

// The text the description receives: every name followed by CR LF.
QString FolderListing(const QStringList& names);

// The root of the disc in the first CD-ROM drive, or empty when there is no drive or no disc.
QString FirstCdRoot();

}  // namespace card
