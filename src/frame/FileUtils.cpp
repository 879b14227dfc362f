#include "FileUtils.h"

#include <QDir>
#include <QFile>
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

bool CopyFileTo(const QString& source, const QString& destination) {
    QFile in(ResolvePath(source));
    if (QFileInfo::exists(destination) || !in.open(QIODevice::ReadOnly)) return false;
    const QString part = destination + QStringLiteral(".part");
    QFile out(part);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    bool ok = true;
    for (;;) {
        const qint64 n = in.read(buffer.data(), buffer.size());
        if (n < 0) ok = false;
        if (n <= 0) break;
        if (out.write(buffer.constData(), n) != n) {
            ok = false;
            break;
        }
    }
    out.close();
    if (ok && out.error() == QFile::NoError && QFile::rename(part, destination)) return true;
    QFile::remove(part);
    return false;
}

void sbCreateFolder(const QString& path) {
    if (path.isEmpty()) return;
    QDir().mkpath(ResolvePath(path));
}

}  // namespace frame
