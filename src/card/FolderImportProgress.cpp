#include "FolderImportProgress.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTreeWidget>

#include "FolderImport.h"
#include "frame/Folders.h"
#include "frame/Ini.h"

namespace card {

namespace {

// Below this the import is over before a progress window would be read.
constexpr int kProgressDelayMs = 400;

// The busy pointer for as long as the import runs, whatever way it ends.
class BusyPointer {
public:
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

// The language file's Cancel text (the maintenance tool's command of the same meaning).
QString cancelText() {
    return frame::GetINI(QStringLiteral("MANUTENZIONE"), QStringLiteral("cmdAnnulla"),
                         QStringLiteral("Cancel"), frame::folders().languageFile);
}

QString folderName(const QString& folder) {
    QString native = folder;
    native.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (native.size() > 1 && native.endsWith(QLatin1Char('/'))) native.chop(1);
    const QString name = QFileInfo(native).fileName();
    return name.isEmpty() ? QDir::toNativeSeparators(native) : name;
}

void reportFailedCopies(QWidget* parent, const QString& title, const QString& catPath,
                        const QStringList& failed) {
    QStringList names;
    for (const QString& file : failed) names << QFileInfo(file).fileName();
    QMessageBox::warning(parent, title,
                         QStringLiteral("These files could not be copied into %1:\n\n%2")
                             .arg(QDir::toNativeSeparators(catPath), names.join(QLatin1Char('\n'))));
}

}  // namespace

int ImportMp3Folder(QWidget* parent, const QString& folder, const QString& catPath,
                    const std::function<void(const QStringList& row8)>& appendRow, const QString& title) {
    if (folder.isEmpty()) return 0;  // the folder choice was cancelled
    const QString caption = title.isEmpty() ? folderName(folder) : title;
    BusyPointer busy;
    Mp3FolderImport import(folder, catPath);
    const QStringList& files = import.files();
    if (files.isEmpty()) return 0;

    QProgressDialog progress(parent);
    progress.setWindowTitle(caption);
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setCancelButtonText(cancelText());
    progress.setRange(0, int(files.size()));
    progress.setMinimumDuration(kProgressDelayMs);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setMinimumWidth(360);
    progress.setValue(0);

    int added = 0;
    for (qsizetype i = 0; i < files.size(); ++i) {
        progress.setLabelText(
            QStringLiteral("%1 / %2\n%3").arg(i + 1).arg(files.size()).arg(QFileInfo(files[i]).fileName()));
        const QStringList row = import.importFile(files[i]);
        if (!row.isEmpty()) {
            appendRow(row);
            ++added;
        }
        // Shows the window once the import has lasted long enough; then it takes the user's input.
        progress.setValue(int(i + 1));
        // Repaint between files; input reaches only the progress window, never the card behind it.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (progress.wasCanceled()) break;
    }
    progress.close();
    if (!import.failed().isEmpty()) {
        QApplication::restoreOverrideCursor();
        reportFailedCopies(parent, caption, catPath, import.failed());
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    return added;
}

void AppendAndShowRow(QTreeWidget* list, const QStringList& row8) {
    if (list == nullptr) return;
    auto* item = new QTreeWidgetItem(list, row8);
    list->setFocus();
    list->setCurrentItem(item);
    list->scrollToItem(item);
}

}  // namespace card
