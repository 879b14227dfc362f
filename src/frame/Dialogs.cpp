#include "Dialogs.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QUrl>

#include "Folders.h"
#include "Paths.h"

namespace frame {

namespace {
QString rememberedOpenFolder;
QString rememberedSaveFolder;
}  // namespace

QString DialogFilter(const QString& filter) {
    if (filter.isEmpty()) return QString();
    const QStringList parts = filter.split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        out << parts[i] + " (" + patterns.trimmed() + ")";
    }
    return out.join(";;");
}

bool clsCommonDialog::show(bool save) {
    QFileDialog dialog(Parent, DialogTitle, InitDir);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(
        save ? QFileDialog::AnyFile
             : ((Flags & kDlgFileMustExist) ? QFileDialog::ExistingFile : QFileDialog::AnyFile));
    const QStringList filters = DialogFilter(Filter).split(";;", Qt::SkipEmptyParts);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int index = std::clamp(FilterIndex > 0 ? FilterIndex - 1 : 0, 0, int(filters.size()) - 1);
        dialog.selectNameFilter(filters[index]);
    }
    if (!DefaultExt.isEmpty()) dialog.setDefaultSuffix(DefaultExt);
    if (!FileName.isEmpty()) dialog.selectFile(FileName.left(MaxFileSize));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        FileName = QDir::toNativeSeparators(dialog.selectedFiles().first());
        FileTitle = QFileInfo(FileName).fileName();
        if (!filters.isEmpty()) FilterIndex = int(filters.indexOf(dialog.selectedNameFilter())) + 1;
        return true;
    }
    if (!save) {
        FileName.clear();
        extendedError_ = 0;  // a plain cancel: the platform reports no error
    }
    if (CancelError) throw DialogCancelled(save ? "FileSaveDialog" : "FileOpenDialog");
    return false;
}

bool clsCommonDialog::ShowOpen() {
    return show(false);
}
bool clsCommonDialog::ShowSave() {
    return show(true);
}

QString OpenFileDialog(QWidget* window, const QString& filter) {
    if (rememberedOpenFolder.isEmpty()) rememberedOpenFolder = folders().installation;
    clsCommonDialog dialog;
    dialog.Parent = window;
    dialog.CancelError = true;
    dialog.Filter = filter;
    dialog.Flags = kDlgPathMustExist | kDlgFileMustExist;
    dialog.InitDir = rememberedOpenFolder;
    try {
        if (!dialog.ShowOpen()) return QString();
    } catch (const DialogCancelled&) {
        return QString();
    }
    rememberedOpenFolder = dialog.FileName;
    return dialog.FileName;
}

QString SaveFileDialog(QWidget* window, const QString& filter) {
    if (rememberedSaveFolder.isEmpty()) rememberedSaveFolder = folders().installation;
    clsCommonDialog dialog;
    dialog.Parent = window;
    dialog.CancelError = true;
    dialog.Filter = filter;
    dialog.Flags = kDlgPathMustExist;
    dialog.InitDir = rememberedSaveFolder;
    try {
        if (!dialog.ShowSave()) return QString();
    } catch (const DialogCancelled&) {
        return QString();
    }
    return dialog.FileName;
}

QString WithTrailingSlash(const QString& folder) {
    if (folder.isEmpty() || folder.endsWith('/')) return folder;
    return folder + '/';
}

QString BrowseFolder(QWidget* owner, const QString& title) {
    const QString chosen =
        QFileDialog::getExistingDirectory(owner, title, QString(), QFileDialog::ShowDirsOnly);
    return WithTrailingSlash(chosen);
}

QString FirstCDDriveFromInfo(const QString& infoText) {
    for (const QString& line : infoText.split('\n')) {
        if (!line.startsWith("drive name:")) continue;
        const QStringList names =
            line.mid(int(qstrlen("drive name:"))).split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
        if (!names.isEmpty()) return "/dev/" + names.first();
    }
    return QString();
}

QString GetCDDrive() {
    QFile info("/proc/sys/dev/cdrom/info");
    if (info.open(QIODevice::ReadOnly)) {
        const QString drive = FirstCDDriveFromInfo(QString::fromLatin1(info.readAll()));
        if (!drive.isEmpty()) return drive;
    }
    // No kernel list: the SCSI CD-ROM devices in name order.
    const QStringList devices = QDir("/dev").entryList({"sr[0-9]*"}, QDir::System | QDir::Files, QDir::Name);
    return devices.isEmpty() ? QString() : "/dev/" + devices.first();
}

void sbShellOpen(QWidget*, const QString& target) {
    if (target.trimmed().isEmpty()) return;
    static const QRegularExpression scheme("^[A-Za-z][A-Za-z0-9+.-]+:");
    if (scheme.match(target).hasMatch()) {
        QDesktopServices::openUrl(QUrl(target));
        return;
    }
    const QString path = ResolvePath(target);
    const QFileInfo file(path);
    if (file.isFile() && file.isExecutable()) {
        QProcess::startDetached(file.absoluteFilePath(), {}, file.absolutePath());
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
}

}  // namespace frame
