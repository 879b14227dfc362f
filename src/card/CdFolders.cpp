#include "CdFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "frame/Dialogs.h"

namespace card {
namespace {

QString unescapeMountField(const QString& field) {
    QString out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() &&
            field.mid(i + 1, 3).contains(QRegularExpression("^[0-7]{3}$"))) {
            out += QChar(field.mid(i + 1, 3).toInt(nullptr, 8));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

}  // namespace

QString MountPointOf(const QString& device, const QString& mountsText) {
    if (device.isEmpty()) return QString();
    const QString canonicalDevice = QFileInfo(device).canonicalFilePath();
    for (const QString& line : mountsText.split('\n', Qt::SkipEmptyParts)) {
        const QStringList parts = line.split(' ', Qt::SkipEmptyParts);
        if (parts.size() < 2) continue;
        const QString source = unescapeMountField(parts[0]);
        if (source == device ||
            (!canonicalDevice.isEmpty() && QFileInfo(source).canonicalFilePath() == canonicalDevice))
            return unescapeMountField(parts[1]);
    }
    return QString();
}

QStringList TopFolders(const QString& root) {
    if (root.isEmpty()) return {};
    return QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Unsorted);
}

QString FolderListing(const QStringList& names) {
    QString text;
    for (const QString& name : names) text += name + "\r\n";
    return text;
}

QString FirstCdRoot() {
    const QString device = frame::GetCDDrive();
    if (device.isEmpty()) return QString();
    QFile mounts("/proc/mounts");
    if (!mounts.open(QIODevice::ReadOnly)) return QString();
    return MountPointOf(device, QString::fromUtf8(mounts.readAll()));
}

}  // namespace card
