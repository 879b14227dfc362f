#include "SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

namespace frame {

bool AcquireInstanceLock(const QString& programName, const QString& installationFolder) {
    // The lock lives outside the installation, which may be read-only, and is named after it so
    // that two installations do not exclude each other.
    const QByteArray key =
        QCryptographicHash::hash(QDir(installationFolder).absolutePath().toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    const QString path = QDir::tempPath() + '/' + programName + '-' + QString::fromLatin1(key) + ".lock";
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return true;  // no lock can be taken: better to run than to refuse
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    return true;  // fd stays open for the life of the process
}

}  // namespace frame
