// INI access: the profile semantics the settings, user and label files rely on.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "frame/Ini.h"

using frame::GetINI;
using frame::sbSetINI;

namespace {

class IniTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("test.ini");
    void write(const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray read() {
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }
};

struct ReadCase {
    const char* name;
    QByteArray file;
    const char* section;
    const char* key;
    QString expected;
};

TEST_F(IniTest, ReadsWithProfileSemantics) {
    const QString longValue(300, 'x');
    const ReadCase cases[] = {
        {"plain", "[CFG]\r\nlogged=1\r\n", "CFG", "logged", "1"},
        {"section and key without case", "[Cfg]\r\nLOGGED=1\r\n", "cfg", "Logged", "1"},
        {"spaces around key and value", "[CFG]\r\n  logged  =  7  \r\n", "CFG", "logged", "7"},
        {"missing key gives default", "[CFG]\r\nother=1\r\n", "CFG", "logged", "def"},
        {"missing section gives default", "[X]\r\nlogged=1\r\n", "CFG", "logged", "def"},
        {"key of another section not seen", "[A]\r\nk=a\r\n[B]\r\nj=b\r\n", "B", "k", "def"},
        {"empty value is empty, not default", "[CFG]\r\nusr=\r\n", "CFG", "usr", ""},
        {"value cut at 254", "[S]\r\nk=" + longValue.toLatin1() + "\r\n", "S", "k", longValue.left(254)},
        {"windows-1252 bytes", "[S]\r\nk=caf\xe9 \x80\r\n", "S", "k", QString::fromUtf8("café €")},
        {"unix line ends", "[S]\nk=v\n", "S", "k", "v"},
        {"value with equals sign", "[S]\r\nk=a=b\r\n", "S", "k", "a=b"},
        {"quoted value", "[S]\r\nk=\"a b\"\r\n", "S", "k", "a b"},
        {"comment line ignored", "[S]\r\n;k=x\r\nk=y\r\n", "S", "k", "y"},
    };
    for (const auto& c : cases) {
        write(c.file);
        EXPECT_EQ(GetINI(c.section, c.key, "def", path), c.expected) << c.name;
    }
}

TEST_F(IniTest, MissingFileGivesDefault) {
    EXPECT_EQ(GetINI("CFG", "logged", "0", dir.filePath("none.ini")), "0");
}

TEST_F(IniTest, WriteCreatesFileSectionAndKey) {
    sbSetINI("PATH", "skins", "notte\\", path);
    EXPECT_EQ(read(), QByteArray("[PATH]\r\nskins=notte\\\r\n"));
    sbSetINI("CFG", "usr", "", path);
    EXPECT_EQ(GetINI("CFG", "usr", "def", path), "");
    EXPECT_TRUE(read().contains("\r\nusr=\r\n"));
}

TEST_F(IniTest, WriteReplacesValueAndKeepsEverythingElse) {
    write("; users\r\n[CFG]\r\nlogged=0\r\nusr=anna\r\n\r\n[1]\r\nusr=kupro\r\n");
    sbSetINI("cfg", "LOGGED", "1", path);
    sbSetINI("CFG", "pwd", "x", path);  // new key lands at the end of its section
    EXPECT_EQ(read(),
              QByteArray("; users\r\n[CFG]\r\nlogged=1\r\nusr=anna\r\npwd=x\r\n\r\n[1]\r\nusr=kupro\r\n"));
}

TEST_F(IniTest, WriteRoundTripsWindows1252) {
    const QString value = QString::fromUtf8("àèéìòù € œ");
    sbSetINI("S", "k", value, path);
    EXPECT_EQ(GetINI("S", "k", "", path), value);
    EXPECT_TRUE(read().contains("\xe0\xe8\xe9\xec\xf2\xf9 \x80 \x9c"));
}

TEST_F(IniTest, WriteIntoMissingFolderFailsSilently) {
    sbSetINI("S", "k", "v", dir.filePath("no/such/folder/x.ini"));
    EXPECT_EQ(GetINI("S", "k", "def", dir.filePath("no/such/folder/x.ini")), "def");
}

TEST_F(IniTest, NumbersFallBackToDefault) {
    write("[frmScheda]\r\nlvwEle1=150\r\nlvwEle2=wide\r\n");
    EXPECT_EQ(frame::GetINIInt("frmScheda", "lvwEle1", 100, path), 150);
    EXPECT_EQ(frame::GetINIInt("frmScheda", "lvwEle2", 100, path), 100);
    EXPECT_EQ(frame::GetINIInt("frmScheda", "lvwEle3", 100, path), 100);
}

}  // namespace
