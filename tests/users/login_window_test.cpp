// The login window: automatic login, the report of a stored login that no longer matches, and
// cancelling.

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "TestSupport.h"
#include "frame/Folders.h"
#include "frame/Ini.h"
#include "frame/Language.h"
#include "frame/Scramble.h"
#include "ui/ModalDriver.h"
#include "ui/MsgDialogs.h"
#include "users/frmLogin.h"

namespace {

class LoginWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame::sbLoadMessages();
        // The temporary installation starts logged out, as a real start does.
        frame::sbInitFolders(install.path());
    }
    testsupport::TempInstallation install;
};

}  // namespace

TEST_F(LoginWindowTest, FreshInstallationLogsInAutomatically) {
    bool giveUp = false;
    QTimer guard;  // ends the wait if the login never happens
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        giveUp = true;
        if (QWidget* m = QApplication::activeModalWidget()) m->close();
    });
    guard.start(5000);
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(users::UserLogin());
    EXPECT_FALSE(giveUp);
    EXPECT_GE(clock.elapsed(), 900) << "about one second after the window was loaded";
    EXPECT_EQ(frame::folders().userData, install.file("usr/kupro/"));
    EXPECT_EQ(frame::folders().currentSkin, install.file("img/skins/predeterminado/"));
}

TEST_F(LoginWindowTest, StoredLoginThatNoLongerMatchesIsReportedAndEscapeCancels) {
    const QString file = frame::folders().userFile();
    frame::sbSetINI("CFG", "usr", "kupro", file);
    frame::sbSetINI("CFG", "pwd", frame::EncodeStoredPassword(frame::Scramble("wrong")), file);
    QString report;
    QString typed;
    testmodal::WhenModal([&](QWidget* login) {
        typed = login->findChild<QLineEdit*>("txtUsername")->text();
        testmodal::WhenModal(
            [&, login](QWidget* error) {
                report = error->findChild<QLabel*>("lblMsg")->text();
                testmodal::PressKey(error, Qt::Key_Return);
                QTimer::singleShot(50, [login] { testmodal::PressKey(login, Qt::Key_Escape); });
            },
            login);
    });
    EXPECT_FALSE(users::UserLogin());
    EXPECT_FALSE(frame::folders().loginSucceeded);
    EXPECT_EQ(typed, "kupro");
    EXPECT_EQ(report, frame::errImmissione + "\n\n» User name " + frame::errNonTrovato + "\n» Password " +
                          frame::errNonTrovato);
}

TEST_F(LoginWindowTest, EmptyBoxesKeepTheWindowOpen) {
    frame::sbSetINI("CFG", "logged", "1", frame::folders().userFile());
    users::frmLogin login;
    login.sbInit();
    login.show();
    QString report;
    testmodal::WhenModal([&](QWidget* error) {
        report = error->findChild<QLabel*>("lblMsg")->text();
        testmodal::PressKey(error, Qt::Key_Escape);
    });
    EXPECT_FALSE(login.sbDoLogin());
    EXPECT_TRUE(login.isVisible());
    EXPECT_EQ(report.count("\n» "), 2);
    EXPECT_FALSE(frame::folders().loginSucceeded);
}
