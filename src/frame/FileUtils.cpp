#include "FileUtils.h"

#include <unistd.h>

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

namespace {
bool copyByReading(QFile& in, QFile& out) {
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 n = in.read(buffer.data(), buffer.size());
        if (n == 0) return true;
        if (n < 0 || out.write(buffer.constData(), n) != n) return false;
    }
}
}  // namespace

bool CopyFileTo(const QString& source, const QString& destination) {
    QFile in(ResolvePath(source));
    if (QFileInfo::exists(destination) || !in.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return false;
    const QString part = destination + QStringLiteral(".part");
    QFile out(part);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) return false;
    // The kernel copies without passing the bytes through the program where it can; where it cannot (another
    // kind of file system), the file is read and written in blocks.
    bool ok = true;
    qint64 copied = 0;
    for (;;) {
        const ssize_t n = ::copy_file_range(in.handle(), nullptr, out.handle(), nullptr, 1 << 30, 0);
        if (n > 0) {
            copied += n;
            continue;
        }
        if (n < 0) ok = copied == 0 && copyByReading(in, out);
        break;
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
