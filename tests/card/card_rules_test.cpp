// The card window's rules that need no window and no database: picture fit, tabs, commands, dates,
// the check before saving, the label file's flags and column captions, the CD mount table.

#include <gtest/gtest.h>

#include <QLocale>
#include <QTemporaryDir>

#include "card/CategoryLabels.h"
#include "card/CdFolders.h"
#include "card/DateText.h"
#include "card/MenuRules.h"
#include "card/PictureFit.h"
#include "card/SaveCheck.h"
#include "frame/Ini.h"

using namespace card;

TEST(PictureFit, ScalesIntoTheBoxKeepingProportionsNeverEnlarging) {
    struct Case {
        QSize natural, shown;
    } cases[] = {
        {{434, 100}, {217, 50}},  {{100, 434}, {50, 217}},    {{200, 150}, {200, 150}},
        {{217, 217}, {217, 217}}, {{1000, 1000}, {217, 217}}, {{300, 218}, {299, 217}},
        {{218, 10}, {217, 10}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitSize(c.natural), c.shown) << c.natural.width() << "x" << c.natural.height();
}

TEST(PictureFit, CentresAcrossAndSetsEightPixelsAboveTheMiddle) {
    EXPECT_EQ(FitPicture({434, 100}, {232, 232}), QRect(7, 83, 217, 50));
    // Odd remainders are dropped when halving.
    EXPECT_EQ(FitPicture({200, 151}, {233, 233}), QRect(16, 33, 200, 151));
}

TEST(Tabs, HiddenTabsCloseUpInSectionOrder) {
    const QStringList captions = {"Descr", "Main",  "Add", "Ele", "Rat", "Rev",
                                  "-",     "Other", "",    "Snd", "Vid"};
    const std::vector<int> tops = TabTops(captions);
    const std::vector<int> expected = {284, 300, 316, 332, 348, 364, -1, 380, -1, 396, 412};
    EXPECT_EQ(tops, expected);
}

TEST(Menu, CommandsFollowOperationCardSectionAndFlags) {
    MenuInput view;
    view.card = 5;
    MenuState m = ComputeMenu(view);
    EXPECT_TRUE(m.edit && m.remove && m.html && m.close && m.help && m.skin);
    EXPECT_FALSE(m.save || m.cancel || m.print || m.cddb || m.lists[0].add);

    MenuInput unsaved;  // view mode on no card: nothing to edit, delete or export
    m = ComputeMenu(unsaved);
    EXPECT_FALSE(m.edit || m.remove || m.html);
    EXPECT_TRUE(m.close);

    MenuInput change;
    change.operation = kChange;
    change.card = 5;
    change.flags = {true, false, true};
    change.selected[1] = true;
    m = ComputeMenu(change);
    EXPECT_TRUE(m.save && m.cancel && m.cddb && m.getFolder);
    EXPECT_FALSE(m.edit || m.remove || m.close || m.getDir);
    EXPECT_TRUE(m.lists[0].add);
    EXPECT_FALSE(m.lists[0].edit);
    EXPECT_TRUE(m.lists[1].edit && m.lists[1].remove);
}

TEST(Menu, MediaNavigationNeedsRowsAndPlayASelection) {
    struct Case {
        int section, kind, rows;
        bool selected, back, play;
    } cases[] = {
        {9, 3, 2, false, true, false},   {9, 3, 2, true, true, true},   {10, 5, 1, true, true, true},
        {11, 4, 0, false, false, false}, {4, 1, 3, true, false, false},  // not a media section
        {10, 4, 3, true, false, false},                                  // films have rows, sounds none
    };
    for (const Case& c : cases) {
        MenuInput in;
        in.section = c.section;
        in.rows[static_cast<size_t>(c.kind - 1)] = c.rows;
        in.selected[static_cast<size_t>(c.kind - 1)] = c.selected;
        const MenuState m = ComputeMenu(in);
        EXPECT_EQ(m.back, c.back) << c.section;
        EXPECT_EQ(m.forward, c.back) << c.section;
        EXPECT_EQ(m.play, c.play) << c.section;
    }
}

class LocaleDates : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

TEST_F(LocaleDates, TypedDatesInTheLocalesFormsAreAccepted) {
    EXPECT_EQ(ParseUserDate("31/12/2004"), QDate(2004, 12, 31));
    EXPECT_EQ(ParseUserDate("3/4/2004"), QDate(2004, 4, 3));
    EXPECT_EQ(ParseUserDate(" 03/04/04 "), QDate(2004, 4, 3));
    EXPECT_EQ(ParseUserDate("2004-04-03"), QDate(2004, 4, 3));
    for (const char* bad : {"32/13/2004", "32/01/2004", "01/13/2004", "tomorrow", "", "  "})
        EXPECT_FALSE(ParseUserDate(bad).isValid()) << bad;
    EXPECT_EQ(ParseUserDate(FormatShortDate(QDate(1999, 7, 9))), QDate(1999, 7, 9));
}

TEST_F(LocaleDates, TheCheckReportsEachProblemInFieldOrder) {
    frame::errOmesso = "is missing";
    frame::errFormato = "has a wrong form";
    frame::errNonTrovato = "was not found";
    const QDate today(2026, 12, 11);
    struct Case {
        const char* what;
        QString title;
        LoanGroup loan1;
        QString picture;
        bool pictureExists;
        QString report;
    } cases[] = {
        {"all fine", "Abbey Road", {}, "", false, ""},
        {"empty title", "", {}, "", false, QString::fromUtf8("» Title is missing")},
        {"day 32 month 13",
         "T",
         {true, "Anna", "32/13/2004"},
         "",
         false,
         QString::fromUtf8("» by when? has a wrong form")},
        {"lent with a good date", "T", {true, "Anna", "1/2/2005"}, "", false, ""},
        {"lent, nobody named, no date", "T", {true, "", ""}, "", false, ""},
        {"missing picture",
         "T",
         {},
         "usr\\kupro\\cat\\1\\gone.jpg",
         false,
         QString::fromUtf8("» Cover was not found")},
        {"everything wrong",
         "",
         {true, "Bob", ""},
         "x.jpg",
         false,
         QString::fromUtf8("» Title is missing\r\n» by when? has a wrong form\r\n» Cover was not found")},
    };
    for (Case& c : cases) {
        CardCheck check;
        check.title = c.title;
        check.loan1 = c.loan1;
        check.mainPicture = c.picture;
        check.titleCaption = "Title";
        check.date1Caption = "by when?";
        check.date2Caption = "by when (2)?";
        check.pictureCaption = "Cover";
        EXPECT_EQ(CheckCard(check, today, c.pictureExists).Text(), c.report) << c.what;
    }
}

TEST_F(LocaleDates, AnUntickedLoanGroupKeepsNobodyAndTodaysDate) {
    CardCheck check;
    check.title = "T";
    check.loan1 = {false, "Anna", "garbage"};
    check.loan2 = {false, "", ""};
    const QDate today(2026, 12, 11);
    EXPECT_TRUE(CheckCard(check, today, false).IsEmpty());
    EXPECT_EQ(check.loan1.person, "");
    EXPECT_EQ(check.loan1.date, "11/12/2026");
    EXPECT_EQ(check.loan2.date, "11/12/2026");
}

TEST(LabelFile, FlagsOfferTheirCommandOnlyWhenExactlyOne) {
    QTemporaryDir dir;
    const QString file = dir.filePath("lang.ini");
    frame::sbSetINI("CONFIG", "cddb", "1", file);
    frame::sbSetINI("CONFIG", "getdir", "2", file);
    frame::sbSetINI("CONFIG", "getfolder", "yes", file);
    const CategoryFlags flags = ReadCategoryFlags(file);
    EXPECT_TRUE(flags.cddb);
    EXPECT_FALSE(flags.getdir);
    EXPECT_FALSE(flags.getfolder);
    const CategoryFlags none = ReadCategoryFlags(dir.filePath("missing.ini"));
    EXPECT_FALSE(none.cddb || none.getdir || none.getfolder);
}

TEST(LabelFile, ColumnCaptionsAreTakenAsWrittenAndMissingKeysAreEmpty) {
    QTemporaryDir dir;
    const QString file = dir.filePath("lang.ini");
    frame::sbSetINI("IMMAGINI", "lblImmagini0", "Pictures", file);
    frame::sbSetINI("IMMAGINI", "lblImmagini1", "Caption", file);
    frame::sbSetINI("IMMAGINI", "lblImmagini2", "-", file);
    const QStringList captions = ReadColumnCaptions(file, "IMMAGINI", "lblImmagini");
    ASSERT_EQ(captions.size(), 10);
    EXPECT_EQ(captions[0], "Pictures");
    EXPECT_EQ(captions[1], "Caption");
    EXPECT_EQ(captions[2], "-");
    EXPECT_EQ(captions[3], "");
    EXPECT_EQ(captions[9], "");
}

TEST(CdFolders, MountPointComesFromTheMountTableWithEscapes) {
    const QString mounts =
        "/dev/sda1 / ext4 rw 0 0\n"
        "/dev/sr0 /media/user/My\\040Disc iso9660 ro 0 0\n";
    EXPECT_EQ(MountPointOf("/dev/sr0", mounts), "/media/user/My Disc");
    EXPECT_EQ(MountPointOf("/dev/sr1", mounts), "");
    EXPECT_EQ(MountPointOf("", mounts), "");
}

TEST(CdFolders, ListsOnlyTheFoldersBelowTheRootEachWithCrLf) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("AUDIO_TS");
    QDir(dir.path()).mkdir("VIDEO_TS");
    QFile(dir.filePath("readme.txt")).open(QIODevice::WriteOnly);
    QStringList names = TopFolders(dir.path());
    names.sort();
    EXPECT_EQ(names, QStringList({"AUDIO_TS", "VIDEO_TS"}));
    EXPECT_EQ(FolderListing({"A", "B"}), "A\r\nB\r\n");
    EXPECT_TRUE(TopFolders(dir.filePath("none")).isEmpty());
}
