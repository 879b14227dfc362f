// The dialog helpers that need no user: the CD-ROM list, folder names, filters, an empty shell open.

#include <gtest/gtest.h>

#include "frame/Dialogs.h"

using namespace frame;

TEST(CDDrive, FirstDriveOfTheKernelList) {
    const QString info =
        "CD-ROM information, Id: cdrom.c 3.20 2003/12/17\n\ndrive name:\t\tsr1\tsr0\ndrive speed:\t\t24\t1\n";
    EXPECT_EQ(FirstCDDriveFromInfo(info), "/dev/sr1");
    EXPECT_EQ(FirstCDDriveFromInfo("CD-ROM information\n\ndrive name:\n"), "");
    EXPECT_EQ(FirstCDDriveFromInfo(""), "");
}

TEST(Folders, OneTrailingSlash) {
    EXPECT_EQ(WithTrailingSlash("/home/x"), "/home/x/");
    EXPECT_EQ(WithTrailingSlash("/"), "/");
    EXPECT_EQ(WithTrailingSlash(""), "");
}

TEST(Filters, PairsBecomeThePlatformsFilter) {
    EXPECT_EQ(DialogFilter("Pictures|*.jpg;*.gif|All files|*.*"), "Pictures (*.jpg *.gif);;All files (*.*)");
    EXPECT_EQ(DialogFilter("Zip|*.zip|dangling"), "Zip (*.zip)");
    EXPECT_EQ(DialogFilter(""), "");
}

TEST(ShellOpen, EmptyTargetDoesNothing) {
    sbShellOpen(nullptr, "");
    sbShellOpen(nullptr, "   ");
    SUCCEED();
}
