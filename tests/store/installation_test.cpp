// The fresh installation: what a new machine starts from must be complete and consistent.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "TestSupport.h"
#include "frame/FileUtils.h"
#include "frame/Folders.h"
#include "frame/Ini.h"
#include "frame/Scramble.h"
#include "store/Connection.h"
#include "store/RecordSource.h"

namespace {

class FreshInstallation : public ::testing::Test {
protected:
    testsupport::TempInstallation install;
    void TearDown() override { store::Connection::ReleaseAll(); }
};

TEST_F(FreshInstallation, FoldersOfTheFolderTableExist) {
    const frame::Folders& f = frame::folders();
    for (const QString& folder : {f.config, f.users, f.templates, f.images, f.credits, f.skins, f.icons,
                                  f.currentSkin, f.userData, f.reports})
        EXPECT_TRUE(QDir(folder).exists()) << folder.toStdString();
    EXPECT_TRUE(frame::FileExists(f.userConfig));
    EXPECT_EQ(frame::GetINI("PATH", "skins", "", f.userConfig), "predeterminado\\");
}

TEST_F(FreshInstallation, DefaultAccountIsReady) {
    const QString users = frame::folders().userFile();
    EXPECT_EQ(frame::GetINI("CFG", "logged", "", users), "0");
    EXPECT_EQ(frame::GetINI("1", "usr", "", users), "kupro");
    EXPECT_EQ(frame::GetINI("1", "dir", "", users), "kupro");
    const QString stored = frame::GetINI("1", "pwd", "", users);
    EXPECT_NE(stored, "kupro") << "passwords are stored scrambled";
    EXPECT_EQ(frame::Scramble(frame::DecodeStoredPassword(stored)), "kupro");
    // Every account has a data folder ready, so a user added in the settings can log in.
    for (int n = 1; n <= 5; ++n) {
        const QString dir = frame::GetINI(QString::number(n), "dir", "", users);
        EXPECT_TRUE(frame::FileExists(frame::folders().users + dir + "/db/dbTrovex2.mdb")) << n;
    }
}

TEST_F(FreshInstallation, BothDatabasesOpenWithTheCataloguePassword) {
    store::RecordSource s;
    EXPECT_TRUE(store::OpenRecordSource(s, "SELECT * FROM [tblSchede]"));
    EXPECT_TRUE(s.recordset()->eof());
    EXPECT_TRUE(store::OpenRecordSource(s, "SELECT * FROM [tblElementi]"));
    EXPECT_TRUE(store::OpenRecordSource(s, "SELECT * FROM [Schede]", frame::folders().printDatabase));
    EXPECT_TRUE(store::OpenRecordSource(s, "SELECT * FROM [Elementi]", frame::folders().printDatabase));
}

TEST_F(FreshInstallation, CategoryLabelFilesNameTheCategoriesAndSetTheirFlags) {
    struct Flags {
        int category;
        const char *cddb, *getdir, *getfolder, *id3;
    } expected[] = {
        {1, "1", "0", "0", "0"}, {2, "0", "0", "0", "0"}, {3, "0", "0", "0", "0"},
        {4, "0", "0", "0", "0"}, {5, "0", "1", "0", "0"}, {6, "0", "0", "0", "0"},
        {7, "0", "0", "1", "1"}, {8, "0", "0", "0", "0"}, {9, "0", "0", "0", "0"},
    };
    for (const auto& e : expected) {
        const QString catPath = frame::folders().userData + "cat/" + QString::number(e.category) + "/";
        const QString file = catPath + "lang.ini";
        SCOPED_TRACE(e.category);
        EXPECT_FALSE(frame::GetINI("CONFIG", "name", "", file).isEmpty());
        EXPECT_EQ(frame::GetINI("CONFIG", "cddb", "?", file), e.cddb);
        EXPECT_EQ(frame::GetINI("CONFIG", "getdir", "?", file), e.getdir);
        EXPECT_EQ(frame::GetINI("CONFIG", "getfolder", "?", file), e.getfolder);
        EXPECT_EQ(frame::GetINI("CONFIG", "id3", "?", file), e.id3);
        EXPECT_FALSE(frame::GetINI("MAIN", "lblMain1", "", file).isEmpty());
        for (const char* list : {"ELEMENTI", "CRITICA", "IMMAGINI", "SUONI", "FILMATI"})
            EXPECT_FALSE(frame::GetINI(list, "lblFile", "", file).isEmpty()) << list;
        EXPECT_TRUE(frame::FileExists(catPath + "thumb.jpg"));
    }
}

}  // namespace
