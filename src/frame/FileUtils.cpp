#include "FileUtils.h"

#include <QDir>
#include <QFileInfo>
#include <limits>

#include "Folders.h"
#include "Paths.h"

namespace frame {

bool FileExists(const QString& path) {
    if (path.isEmpty()) return false;
    return QFileInfo(ResolvePath(path)).isFile();
}

QString GetFileName(const QString& path) {
    const QFileInfo info(ResolvePath(path));
    return info.isFile() ? info.fileName() : QString();
}

int32_t GetFileSize(const QString& path) {
    const QFileInfo info(ResolvePath(path));
    if (!info.isFile()) return 0;
    const qint64 size = info.size();
    return size > std::numeric_limits<int32_t>::max() ? std::numeric_limits<int32_t>::max()
                                                      : static_cast<int32_t>(size);
}

QString GetRelativePath(const QString& path) {
    QString p = path.toLower();
    p.replace('/', '\\');
    QString base = (folders().installation + '/').toLower();
    base.replace('/', '\\');
    const qsizetype at = p.indexOf(base);
    if (at < 0) return p;
    return p.mid(at).remove(base);
}

void sbCreateFolder(const QString& path) {
    if (path.isEmpty()) return;
    QDir().mkpath(ResolvePath(path));
}

}  // namespace frame
