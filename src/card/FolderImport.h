#pragma once
// The folder import of audio tracks, without a window: every MP3 file of a chosen folder is taken into
// the category folder and becomes one new element row, filled from the file's MPEG header and ID3 tag.
//
// Which files: the files directly in the folder (no subfolders, no hidden files) whose name ends in
// ".mp3" in any case, in name order (without case, then exactly, so the order never depends on the
// file system). Every listed file is read as MP3: one that is not really MP3 still gives a row with
// what the reader found and its stored path.
//
// Name clashes: the import keeps one prefix counter for all its files (see TakeFileIntoFolder), so
// its first clash with a file of another size takes the prefix 1, the next one 2, whatever the names.
// A file of the same name and size already in the category folder is the same file: nothing is copied
// and the row names the file that is there.
//
// A file that cannot be copied (disk full, no permission) gives no row: the import carries on with
// the next file and keeps the source path in failed(), so the window can tell the user.

#include <QString>
#include <QStringList>
#include <functional>

namespace card {

// The MP3 files of `folder` (native full path, trailing separator or not), as full native paths in
// import order; empty when the folder is empty, missing or unreadable.
QStringList Mp3FilesInFolder(const QString& folder);

// One import: the files of the folder, the category folder and the one prefix counter.
class Mp3FolderImport {
public:
    // catPath: the category folder (full path), created on the first copy when missing.
    Mp3FolderImport(const QString& folder, const QString& catPath);

    const QStringList& files() const { return files_; }
    // Takes one file into the category folder and returns its element row (8 texts: fields 0..6 from
    // the MP3 fill, then the stored path of the copy), or an empty list when the copy failed.
    QStringList importFile(const QString& source);
    // The sources that could not be copied, in import order.
    const QStringList& failed() const { return failed_; }

private:
    QString catPath_;
    QStringList files_;
    int counter_ = 0;
    QStringList failed_;
};

// The whole import without a window or progress: appendRow receives every new row in order. Returns
// the number of rows added; the sources that could not be copied go to *failed when it is given.
int ImportMp3Files(const QString& folder, const QString& catPath,
                   const std::function<void(const QStringList& row8)>& appendRow,
                   QStringList* failed = nullptr);

}  // namespace card
