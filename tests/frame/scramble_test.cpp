// Password scrambling and the stored form of passwords in the user file.

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "frame/Cp1252.h"
#include "frame/Ini.h"
#include "frame/Scramble.h"

using frame::Scramble;

TEST(Scramble, LettersBecomeHighBytes) {
    EXPECT_EQ(frame::toCp1252(Scramble("abc")), QByteArray("\x9e\x9d\x9c"));
}

TEST(Scramble, IsItsOwnInverseAndTrims) {
    for (const char* p : {"kupro", "Abc123", "x", "àèéìòù", "pass word"}) {
        const QString pw = QString::fromUtf8(p);
        EXPECT_EQ(Scramble(Scramble(pw)), pw) << p;
    }
    EXPECT_EQ(Scramble("  kupro "), Scramble("kupro"));
    EXPECT_EQ(Scramble(""), "");
    EXPECT_EQ(Scramble("   "), "");
}

TEST(StoredPassword, LettersAndDigitsKeepTheScrambledForm) {
    const QString s = Scramble("kupro42");
    EXPECT_EQ(frame::EncodeStoredPassword(s), s);
}

TEST(StoredPassword, EveryPasswordSurvivesTheUserFile) {
    QTemporaryDir dir;
    const QString file = dir.filePath("usr.ini");
    for (const char* p : {"kupro", "però", "àèéìòù", "Città9", "a%b", "ù"}) {
        const QString pw = QString::fromUtf8(p);
        frame::sbSetINI("1", "pwd", frame::EncodeStoredPassword(Scramble(pw)), file);
        const QString back = Scramble(frame::DecodeStoredPassword(frame::GetINI("1", "pwd", "", file)));
        EXPECT_EQ(back, pw) << p;
    }
}
