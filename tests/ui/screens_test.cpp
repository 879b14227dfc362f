// The splash, the About box and the skin chooser.

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QListWidget>
#include <QSignalSpy>

#include "TestSupport.h"
#include "frame/Folders.h"
#include "frame/Ini.h"
#include "ui/SkinHolder.h"
#include "ui/frmAbout.h"
#include "ui/frmSkin.h"
#include "ui/frmSpScreen.h"

TEST(Splash, ClosesAtTheFourthTickOrAtOnceOnAKey) {
    ui::frmSpScreen splash;
    splash.show();
    for (int i = 0; i < 3; ++i) splash.onTick();
    EXPECT_TRUE(splash.isVisible());
    splash.onTick();
    EXPECT_FALSE(splash.isVisible());
    EXPECT_EQ(splash.ticks(), 4);

    ui::frmSpScreen pressed;
    pressed.show();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QCoreApplication::sendEvent(&pressed, &key);
    EXPECT_FALSE(pressed.isVisible());
}

TEST(About, VersionIsThreeNumbersAfterTheLanguageText) {
    EXPECT_EQ(ui::AboutVersionText("Version", "2.0.0"), "Version 2.0.0");
    EXPECT_EQ(ui::AboutVersionText("Versione", "2.1"), "Versione 2.1.0");
}

TEST(SkinChooser, AppliesTheSelectedSkinWithATrailingBackslash) {
    testsupport::TempInstallation install;
    ui::frmLib& lib = ui::SkinHolder();
    lib.sbLoadSkin();
    const QImage before = lib.picCenter()->picture().toImage();

    ui::frmSkin chooser;
    chooser.sbInit();
    QListWidget* list = chooser.lvwLst();
    const QStringList names = ui::SkinNames(frame::folders().skins);
    ASSERT_GE(names.size(), 2);
    ASSERT_EQ(list->count(), names.size());
    EXPECT_EQ(list->currentRow(), 0) << "the first entry is selected";
    EXPECT_TRUE(chooser.imgPreview()->hasPicture());

    const int other = names.indexOf("predeterminado") == 0 ? 1 : 0;
    list->setCurrentRow(other);
    QSignalSpy changed(&lib, &ui::frmLib::skinChanged);
    chooser.show();
    chooser.onOK();
    EXPECT_EQ(changed.count(), 1);
    EXPECT_FALSE(chooser.isVisible());
    EXPECT_EQ(frame::GetINI("PATH", "skins", "", frame::folders().userConfig), names[other] + "\\");
    EXPECT_TRUE(frame::folders().currentSkin.endsWith("/" + names[other] + "/"));
    EXPECT_NE(lib.picCenter()->picture().toImage(), before) << "the skin holder reloaded";
}

TEST(SkinChooser, NoSkinFoldersMeansOKDoesNothing) {
    testsupport::TempInstallation install;
    frame::folders().skins = install.file("img/none/");
    const QString before = frame::GetINI("PATH", "skins", "", frame::folders().userConfig);
    ui::frmSkin chooser;
    chooser.sbInit();
    EXPECT_EQ(chooser.lvwLst()->count(), 0);
    chooser.show();
    chooser.onOK();
    EXPECT_TRUE(chooser.isVisible());
    EXPECT_EQ(frame::GetINI("PATH", "skins", "", frame::folders().userConfig), before);
}
