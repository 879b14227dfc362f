// The login rules: the proposal, the check and its reports, and the user's paths and skin.

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "frame/Folders.h"
#include "frame/Ini.h"
#include "frame/Language.h"
#include "frame/Scramble.h"
#include "users/LoginCheck.h"

namespace {

class LoginCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame::sbLoadMessages();
        ASSERT_FALSE(frame::errOmesso.isEmpty());
        ASSERT_FALSE(frame::errNonTrovato.isEmpty());
    }
    void setAccount(int n, const QString& usr, const QString& pwd, const QString& dir) {
        const QString section = QString::number(n);
        frame::sbSetINI(section, "usr", usr, userFile());
        frame::sbSetINI(section, "pwd", frame::EncodeStoredPassword(frame::Scramble(pwd)), userFile());
        frame::sbSetINI(section, "dir", dir, userFile());
    }
    QString userFile() const { return frame::folders().userFile(); }
    users::LoginResult check(const QString& usr, const QString& pwd) {
        return users::CheckLogin(usr, pwd, "User name", "Password", userFile());
    }

    testsupport::TempInstallation install;
};

}  // namespace

TEST_F(LoginCheckTest, EmptyBoxesAreReportedByCaption) {
    struct Case {
        const char* usr;
        const char* pwd;
        QString report;
    };
    const Case cases[] = {
        {"", "", "» User name " + frame::errOmesso + "\r\n» Password " + frame::errOmesso},
        {"kupro", "", "» Password " + frame::errOmesso},
        {"", "kupro", "» User name " + frame::errOmesso},
    };
    for (const Case& c : cases) {
        const users::LoginResult r = check(c.usr, c.pwd);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.report, c.report) << c.usr << "/" << c.pwd;
    }
}

TEST_F(LoginCheckTest, NamesAndPasswordsMatchExactly) {
    const QString notFound = "» User name " + frame::errNonTrovato + "\r\n» Password " + frame::errNonTrovato;
    EXPECT_TRUE(check("kupro", "kupro").ok);
    EXPECT_EQ(check("kupro", "kupro").dir, "kupro");
    for (const auto& [usr, pwd] : {std::pair{"Kupro", "kupro"}, {"kupro", "KUPRO"}, {"kupr", "kupro"}}) {
        const users::LoginResult r = check(usr, pwd);
        EXPECT_FALSE(r.ok) << usr << "/" << pwd;
        EXPECT_EQ(r.report, notFound);
    }
}

TEST_F(LoginCheckTest, AccountsAreTriedOneToFive) {
    setAccount(2, "anna", "però", "user2");
    setAccount(4, "anna", "però", "user4");
    setAccount(5, "zeno", "z5", "user5");
    EXPECT_EQ(check("anna", "però").dir, "user2") << "the lower number wins; accented vowels survive";
    EXPECT_EQ(check("zeno", "z5").dir, "user5");
    setAccount(2, "", "", "user2");
    EXPECT_EQ(check("anna", "però").dir, "user4");
}

TEST_F(LoginCheckTest, Proposal) {
    const QString file = userFile();
    users::Proposal fresh = users::ProposeLogin(file);
    EXPECT_EQ(fresh.username, "kupro");
    EXPECT_EQ(fresh.password, "kupro");

    frame::sbSetINI("CFG", "logged", "1", file);
    EXPECT_TRUE(users::ProposeLogin(file).username.isEmpty()) << "users saved once: the window waits";

    frame::sbSetINI("CFG", "usr", "anna", file);
    frame::sbSetINI("CFG", "pwd", frame::EncodeStoredPassword(frame::Scramble("ciaò1")), file);
    const users::Proposal stored = users::ProposeLogin(file);
    EXPECT_EQ(stored.username, "anna");
    EXPECT_EQ(stored.password, "ciaò1");
}

TEST_F(LoginCheckTest, ApplyLoginSetsTheUsersPathsAndSkin) {
    frame::sbSetINI("PATH", "skins", "notte\\", install.file("usr/kupro/cfg/trovex2.ini"));
    frame::sbInitFolders(install.path());
    users::ApplyLogin("kupro");
    const frame::Folders& f = frame::folders();
    EXPECT_TRUE(f.loginSucceeded);
    EXPECT_EQ(f.userData, install.file("usr/kupro/"));
    EXPECT_EQ(f.userConfig, install.file("usr/kupro/cfg/trovex2.ini"));
    EXPECT_EQ(f.currentSkin, install.file("img/skins/notte/"));
}
