// Every skinned window of this library, in every installed skin, paints its frame from the skin
// holder's corner pictures and shows its pictures. With TROVEX2_SCREENSHOTS set to a folder, each
// skinned window is also saved there as "<window>-<skin>.png".

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <functional>
#include <memory>

#include "TestSupport.h"
#include "frame/Folders.h"
#include "frame/Language.h"
#include "ui/MsgDialogs.h"
#include "ui/SkinHolder.h"
#include "ui/frmAbout.h"
#include "ui/frmSkin.h"
#include "ui/frmSpScreen.h"

namespace {

QImage shoot(QWidget* window, const QString& file) {
    ui::CenterOnActiveWindow(window);
    window->show();
    QCoreApplication::processEvents();
    const QImage image = window->grab().toImage();
    const QString folder = qEnvironmentVariable("TROVEX2_SCREENSHOTS");
    if (!folder.isEmpty() && !file.isEmpty()) image.save(QDir(folder).filePath(file + ".png"));
    window->close();
    return image;
}

void expectCorners(const QImage& shot, const QString& what) {
    const ui::frmLib& lib = ui::SkinHolder();
    const QImage topLeft = lib.picTopLeft()->picture().toImage();
    const QImage bottomRight = lib.picBottomRight()->picture().toImage();
    ASSERT_FALSE(topLeft.isNull());
    ASSERT_FALSE(bottomRight.isNull());
    EXPECT_EQ(shot.pixel(1, 1), topLeft.pixel(1, 1)) << qPrintable(what);
    EXPECT_EQ(shot.pixel(shot.width() - 2, shot.height() - 2),
              bottomRight.pixel(bottomRight.width() - 2, bottomRight.height() - 2))
        << qPrintable(what);
}

}  // namespace

TEST(Gallery, EveryWindowPaintsItsFrameInEverySkin) {
    testsupport::TempInstallation install;
    QCoreApplication::setApplicationName("Trovex2");
    frame::sbLoadMessages();
    const QString report = "» User name " + frame::errNonTrovato + "\r\n» Password " + frame::errNonTrovato;
    const QStringList skins = ui::SkinNames(frame::folders().skins);
    ASSERT_FALSE(skins.isEmpty());
    for (const QString& skin : skins) {
        frame::SetCurrentSkin(skin);
        ui::SkinHolder().sbLoadSkin();

        ui::frmMsgError error;
        error.sbInit();
        error.setMessaggio(frame::errImmissione);
        error.setAggiunte(report);
        expectCorners(shoot(&error, "error-" + skin), "error " + skin);
        EXPECT_TRUE(error.imgMsg()->hasPicture());
        EXPECT_TRUE(error.btnOK()->image()->hasPicture());

        ui::frmMsgConfirm confirm;
        confirm.sbInit();
        confirm.setMessaggio(frame::cnfSalva);
        expectCorners(shoot(&confirm, "confirm-" + skin), "confirm " + skin);
        EXPECT_TRUE(confirm.btnCancel()->image()->hasPicture());

        ui::frmMsgInfo info;
        info.sbInit();
        info.setMessaggio(frame::msgRiavviare);
        info.setAggiunte(QString());
        expectCorners(shoot(&info, "info-" + skin), "info " + skin);

        ui::frmAbout about;
        about.sbInit();
        expectCorners(shoot(&about, "about-" + skin), "about " + skin);

        ui::frmSkin chooser;
        chooser.sbInit();
        expectCorners(shoot(&chooser, "skinchooser-" + skin), "skin chooser " + skin);
        EXPECT_TRUE(chooser.imgPreview()->hasPicture());
    }
    ui::frmSpScreen splash;
    const QImage shot = shoot(&splash, QString());
    EXPECT_EQ(shot.size(), QSize(400, 263));
}
