#include "FolderImport.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "ElementEditor.h"
#include "FileIntake.h"
#include "frame/Paths.h"

namespace card {

QStringList Mp3FilesInFolder(const QString& folder) {
    if (folder.isEmpty()) return {};
    QString native = folder;
    native.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QDir dir(frame::ResolvePath(native));
    QStringList names;
    for (const QString& name : dir.entryList(QDir::Files, QDir::NoSort)) {
        if (name.endsWith(QLatin1String(".mp3"), Qt::CaseInsensitive)) names << name;
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int withoutCase = a.compare(b, Qt::CaseInsensitive);
        return withoutCase != 0 ? withoutCase < 0 : a < b;
    });
    QStringList files;
    files.reserve(names.size());
    for (const QString& name : names) files << dir.filePath(name);
    return files;
}

Mp3FolderImport::Mp3FolderImport(const QString& folder, const QString& catPath)
    : catPath_(catPath), files_(Mp3FilesInFolder(folder)) {}

QStringList Mp3FolderImport::importFile(const QString& source) {
    const QString stored = TakeFileIntoFolder(source, catPath_, counter_);
    if (stored.isEmpty()) {
        failed_ << source;
        return {};
    }
    // The copy is read, not the source: the row describes the file the card keeps.
    QStringList row = ElementRowFromMp3(frame::NativePath(stored));
    while (row.size() < kElementColumns) row << QString();
    row[kElementFileColumn] = stored;
    return row;
}

int ImportMp3Files(const QString& folder, const QString& catPath,
                   const std::function<void(const QStringList& row8)>& appendRow, QStringList* failed) {
    Mp3FolderImport import(folder, catPath);
    int added = 0;
    for (const QString& file : import.files()) {
        const QStringList row = import.importFile(file);
        if (row.isEmpty()) continue;
        appendRow(row);
        ++added;
    }
    if (failed) *failed = import.failed();
    return added;
}

}  // namespace card
