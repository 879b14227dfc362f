// The catalogue program's entry: the start-up sequence.

#include <QApplication>

#include "AppWindows.h"
#include "frame/Folders.h"
#include "frame/Language.h"
#include "frame/SingleInstance.h"
#include "store/DbError.h"
#include "ui/MsgDialogs.h"
#include "ui/SkinHolder.h"
#include "ui/frmSpScreen.h"
#include "users/frmLogin.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trovex2"));
    // Start-up dialogs close themselves; the program ends only through its main window.
    QApplication::setQuitOnLastWindowClosed(false);

    // 1. A second instance ends at once, without a window or a message.
    if (!frame::AcquireInstanceLock("trovex2", QCoreApplication::applicationDirPath())) return 0;
    // 2. The folder table, with the default skin.
    frame::sbInitFolders();
    store::SetErrorReporter(ui::ShowDatabaseError);
    // 3. The message texts.
    frame::sbLoadMessages();
    // 4. The skin holder.
    ui::SkinHolder().sbLoadSkin();
    // 5. The splash, until it closes itself or is clicked away.
    {
        ui::frmSpScreen splash;
        splash.exec();
    }
    // 6. Let pending window messages run once.
    QCoreApplication::processEvents();
    // 7. The login; cancelling it ends the program.
    if (!users::UserLogin()) return 0;

    // 8. and 9. The browser, shown on the first category, and the card window, hidden.
    app::CreateMainWindows();
    // 10. From here on the program lives on its windows' events; the browser's close button ends it.
    return app.exec();
}
