// The catalogue program's entry: the start-up sequence.

#include <QApplication>
#include <QDir>
#include <QLabel>

#include "frame/Folders.h"
#include "frame/Language.h"
#include "frame/SingleInstance.h"
#include "store/DbError.h"
#include "ui/Chrome.h"
#include "ui/Icons.h"
#include "ui/ImageButton.h"
#include "ui/MsgDialogs.h"
#include "ui/SkinHolder.h"
#include "ui/SkinnedWindow.h"
#include "ui/Theme.h"
#include "ui/frmAbout.h"
#include "ui/frmSkin.h"
#include "ui/frmSpScreen.h"
#include "users/frmLogin.h"

namespace {

// Stands in for the browser until it exists: a skinned window that names the catalogue it opened and
// opens the About box and the skin chooser.
class StartWindow : public ui::SkinnedWindow {
public:
    StartWindow() : ui::SkinnedWindow("frmStart", QSize(400, 150)) {
        setWindowTitle(QStringLiteral("Trovex2"));
        ui::MakeTitleLabel(this, QStringLiteral("Trovex2"), QRect(4, 4, 392, 13));
        const frame::Folders& f = frame::folders();
        const QString user = QDir(f.userData).dirName();
        auto* text = ui::MakeLabel(this, "lblCatalogue", QString(), QPoint(20, 36));
        text->setWordWrap(true);
        text->setText(
            tr("Catalogue of the user \"%1\"\n%2").arg(user, QDir::toNativeSeparators(f.catalogueDatabase)));
        text->setGeometry(20, 36, 360, 60);
        auto* about = new ui::ImageButton(this, "About", "about32", QRect(144, 106, 32, 32));
        auto* skin = new ui::ImageButton(this, "SkinBrowser", "skinbrowser32", QRect(184, 106, 32, 32));
        auto* close = new ui::ImageButton(this, "Close", "close32", QRect(224, 106, 32, 32));
        connect(about, &ui::ImageButton::pressed, this, [] {
            ui::frmAbout box;
            box.sbInit();
            ui::CenterOnActiveWindow(&box);
            box.exec();
        });
        connect(skin, &ui::ImageButton::pressed, this, [] {
            ui::frmSkin chooser;
            chooser.sbInit();
            ui::CenterOnActiveWindow(&chooser);
            chooser.exec();
        });
        // A new skin shows at once.
        connect(&ui::SkinHolder(), &ui::frmLib::skinChanged, this, [this] {
            ui::sbPaintSkin(this);
            ui::RefreshButtons(this);
        });
        // Closing ends the program at once, as the browser's close button will.
        connect(close, &ui::ImageButton::pressed, qApp, &QCoreApplication::quit);
        ui::sbPaintSkin(this);
        ui::sbSetIcons(this);
    }
};

}  // namespace

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

    StartWindow window;
    window.show();
    QObject::connect(&window, &QDialog::finished, &app, &QCoreApplication::quit);
    return app.exec();
}
