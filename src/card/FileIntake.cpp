#include "FileIntake.h"

#include <QFile>
#include <QFileInfo>

#include "frame/FileUtils.h"
#include "frame/Paths.h"

namespace card {

QString TakeFileIntoFolder(const QString& source, const QString& catPath, int& counter) {
    const QFileInfo from(frame::ResolvePath(source));
    if (!from.isFile()) return QString();
    frame::sbCreateFolder(catPath);
    const QString name = from.fileName().toLower();
    QString dest = frame::JoinPath(catPath, name);
    for (;;) {
        // A differently cased name on disk is the same name for the catalogue.
        const QFileInfo existing(frame::ResolvePath(dest));
        if (!existing.exists()) {
            if (!frame::CopyFileTo(from.absoluteFilePath(), dest)) return QString();
            break;
        }
        if (existing.isFile() && existing.size() == from.size()) {
            dest = existing.absoluteFilePath();
            break;
        }
        ++counter;
        dest = frame::JoinPath(catPath, QString::number(counter) + name);
    }
    return frame::GetRelativePath(dest);
}

QString TakeFileIntoFolder(const QString& source, const QString& catPath) {
    int counter = 0;
    return TakeFileIntoFolder(source, catPath, counter);
}

}  // namespace card
