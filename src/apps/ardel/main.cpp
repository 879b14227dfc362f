// The maintenance tool's entry.

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>

#include "frame/Folders.h"
#include "frame/Language.h"
#include "frame/SingleInstance.h"
#include "store/DbError.h"
#include "ui/MsgDialogs.h"
#include "ui/SkinHolder.h"
#include "users/frmLogin.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ardel"));
    QApplication::setQuitOnLastWindowClosed(false);

    // 1. One instance only; a second one says so and ends.
    if (!frame::AcquireInstanceLock("ardel", QCoreApplication::applicationDirPath())) {
        QMessageBox::critical(nullptr, QStringLiteral("Ardel"),
                              QStringLiteral("Applicazione è già in esecuzione!"));
        return 0;
    }
    // 2. - 4. Folder table, message texts, skin holder with the default skin.
    frame::sbInitFolders();
    store::SetErrorReporter(ui::ShowDatabaseError);
    frame::sbLoadMessages();
    ui::SkinHolder().sbLoadSkin();
    // 5. The login; cancelling it ends the tool.
    if (!users::UserLogin()) return 0;

    QLabel window(
        QStringLiteral("Ardel — %1").arg(QDir::toNativeSeparators(frame::folders().catalogueDatabase)));
    window.resize(480, 120);
    window.show();
    QApplication::setQuitOnLastWindowClosed(true);
    return app.exec();
}
