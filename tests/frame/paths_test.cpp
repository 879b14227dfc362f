// Stored paths, the case-blind path resolver and the file helpers.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "frame/FileUtils.h"
#include "frame/Folders.h"
#include "frame/Paths.h"

namespace {

class PathsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString install = dir.path() + "/Trovex2";
    void SetUp() override {
        QDir().mkpath(install + "/usr/Kupro/cat/1");
        QFile f(install + "/usr/Kupro/cat/1/Cover.JPG");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("12345");
        f.close();
        frame::sbInitFolders(install);
    }
};

TEST_F(PathsTest, StoredPathResolvesWithoutRegardToCase) {
    EXPECT_EQ(frame::NativePath("usr\\kupro\\cat\\1\\cover.jpg"), install + "/usr/Kupro/cat/1/Cover.JPG");
    EXPECT_TRUE(frame::FileExists(install + "/USR/kupro/cat/1/cover.jpg"));
    EXPECT_EQ(frame::GetFileSize(install + "/usr/kupro/cat/1/cover.jpg"), 5);
    EXPECT_EQ(frame::GetFileName(install + "/usr/kupro/cat/1/cover.jpg"), "Cover.JPG");
}

TEST_F(PathsTest, MissingFilesGiveNeutralResults) {
    EXPECT_FALSE(frame::FileExists(install + "/usr/kupro/none.jpg"));
    EXPECT_FALSE(frame::FileExists(""));
    EXPECT_FALSE(frame::FileExists(install + "/usr"));  // a folder is not a file
    EXPECT_EQ(frame::GetFileSize(install + "/none"), 0);
    EXPECT_EQ(frame::GetFileName(install + "/none"), "");
    // A component missing in any case is kept as given, naming the file to create.
    EXPECT_EQ(frame::NativePath("usr\\KUPRO\\new.jpg"), install + "/usr/Kupro/new.jpg");
}

TEST_F(PathsTest, RelativePathIsLowerCaseWithBackslashes) {
    EXPECT_EQ(frame::GetRelativePath(install + "/usr/Kupro/cat/1/Cover.JPG"),
              "usr\\kupro\\cat\\1\\cover.jpg");
    EXPECT_EQ(frame::GetRelativePath("/Other/Place/A.jpg"), "\\other\\place\\a.jpg");
    EXPECT_EQ(frame::NativePath("\\other\\place\\a.jpg"), "/other/place/a.jpg");
}

TEST_F(PathsTest, FolderTableAndUserPaths) {
    const frame::Folders& f = frame::folders();
    EXPECT_EQ(f.config, install + "/cfg/");
    EXPECT_EQ(f.languageFile, install + "/cfg/lang.ini");
    EXPECT_EQ(f.currentSkin, install + "/img/skins/predeterminado/");
    EXPECT_TRUE(f.userData.isEmpty());
    frame::SetUserFolders("kupro");
    EXPECT_EQ(f.userData, install + "/usr/Kupro/");
    EXPECT_EQ(f.catalogueDatabase, install + "/usr/Kupro/db/dbTrovex2.mdb");
    EXPECT_EQ(f.databasePassword, "KRV4172");
    frame::SetCurrentSkin("notte\\");
    EXPECT_EQ(f.currentSkin, install + "/img/skins/notte/");
}

TEST_F(PathsTest, CreateFolderMakesParentsAndIgnoresExisting) {
    frame::sbCreateFolder(install + "/a/b/c");
    frame::sbCreateFolder(install + "/a/b/c");
    EXPECT_TRUE(QDir(install + "/a/b/c").exists());
}

}  // namespace

namespace {

TEST_F(PathsTest, CopyNeverOverwritesAndLeavesNoHalfFile) {
    const QString src = install + "/usr/Kupro/cat/1/Cover.JPG";
    const QString dst = install + "/copy.jpg";
    EXPECT_TRUE(frame::CopyFileTo(src, dst));
    EXPECT_EQ(frame::GetFileSize(dst), 5);
    EXPECT_FALSE(frame::CopyFileTo(src, dst)) << "an existing file is never overwritten";
    EXPECT_FALSE(frame::CopyFileTo(install + "/none", install + "/other.jpg"));
    EXPECT_FALSE(QFile::exists(install + "/other.jpg"));
    EXPECT_FALSE(frame::CopyFileTo(src, install + "/no/folder/x.jpg"));
    EXPECT_FALSE(QFile::exists(install + "/no/folder/x.jpg.part"));
}

}  // namespace
