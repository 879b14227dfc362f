// The folder import of audio tracks: which files it takes and in what order, the one prefix counter of
// an import, the rows it builds from real lame-made files, files that are not really MP3, copies that
// fail, and the window-side entry point (cancelled choice, Cancel, the newest row shown).

#include <gtest/gtest.h>

#include <QApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <cmath>
#include <memory>

#include "TestSupport.h"
#include "card/FolderImport.h"
#include "card/FolderImportProgress.h"
#include "frame/Folders.h"

namespace {

// Three seconds of a 16-bit stereo tone at 44100 Hz.
QByteArray wav() {
    constexpr int kRate = 44100, kSeconds = 3;
    QByteArray out;
    QDataStream w(&out, QIODevice::WriteOnly);
    w.setByteOrder(QDataStream::LittleEndian);
    const quint32 dataSize = kRate * kSeconds * 4;
    w.writeRawData("RIFF", 4);
    w << quint32(36 + dataSize);
    w.writeRawData("WAVEfmt ", 8);
    w << quint32(16) << quint16(1) << quint16(2) << quint32(kRate) << quint32(kRate * 4) << quint16(4)
      << quint16(16);
    w.writeRawData("data", 4);
    w << dataSize;
    for (int i = 0; i < kRate * kSeconds; ++i) {
        w << qint16(9000 * std::sin(2 * M_PI * 440.0 * i / kRate))
          << qint16(7000 * std::sin(2 * M_PI * 660.0 * i / kRate));
    }
    return out;
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// Two encoded files shared by all tests: a tagged one and an untagged one, 128 kbit/s constant.
class LameFiles {
public:
    static LameFiles& get() {
        static LameFiles files;
        return files;
    }
    QString problem;
    QByteArray tagged, untagged;

private:
    LameFiles() {
        const QString lame = QStandardPaths::findExecutable("lame");
        if (lame.isEmpty()) {
            problem = "the lame encoder is not installed";
            return;
        }
        if (!dir_.isValid() || !write(dir_.filePath("tone.wav"), wav())) {
            problem = "cannot write the tone";
            return;
        }
        const QStringList common = {"--quiet", "-b", "128", "--cbr"};
        const QStringList tags = {"--id3v1-only", "--tt",      "Song title", "--ta", "The Artist",
                                  "--tl",         "The Album", "--ty",       "2003", "--tc",
                                  "A comment",    "--tg",      "17"};
        const bool ok = encode(lame, common + tags, "tagged.mp3") && encode(lame, common, "untagged.mp3");
        tagged = contents(dir_.filePath("tagged.mp3"));
        untagged = contents(dir_.filePath("untagged.mp3"));
        if (!ok || tagged.isEmpty() || untagged.isEmpty()) problem = "lame failed";
    }
    bool encode(const QString& lame, const QStringList& args, const QString& name) {
        QProcess p;
        p.start(lame, args + QStringList{dir_.filePath("tone.wav"), dir_.filePath(name)});
        return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }
    QTemporaryDir dir_;
};

class FolderImport : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(LameFiles::get().problem.isEmpty()) << LameFiles::get().problem.toStdString();
        ASSERT_TRUE(source_.isValid());
        catPath_ = frame::folders().userData + "cat/7/";
        ASSERT_TRUE(QDir(catPath_).exists()) << catPath_.toStdString();
    }

    QString src(const QString& name) const { return source_.filePath(name); }
    void put(const QString& name, const QByteArray& bytes) const { ASSERT_TRUE(write(src(name), bytes)); }
    // The stored form of a file in the category folder.
    static QString stored(const QString& name) { return "usr\\kupro\\cat\\7\\" + name; }

    std::vector<QStringList> import() {
        std::vector<QStringList> rows;
        card::ImportMp3Files(
            source_.path(), catPath_, [&](const QStringList& row) { rows.push_back(row); }, &failed_);
        return rows;
    }

    testsupport::TempInstallation installation_;
    QTemporaryDir source_;
    QString catPath_;
    QStringList failed_;
};

TEST_F(FolderImport, TakesMp3FilesOfAnyCaseInNameOrderAndNothingElse) {
    const QByteArray& mp3 = LameFiles::get().untagged;
    put("b.MP3", mp3);
    put("a.mp3", mp3);
    put("C.Mp3", mp3);
    put("notes.txt", mp3);
    put("a.mp3.bak", mp3);
    put(".hidden.mp3", mp3);
    ASSERT_TRUE(QDir(source_.path()).mkdir("sub.mp3"));
    put("sub.mp3/inner.mp3", mp3);

    const QStringList files = card::Mp3FilesInFolder(source_.path() + '/');
    ASSERT_EQ(files.size(), 3);
    EXPECT_EQ(QFileInfo(files[0]).fileName(), "a.mp3");
    EXPECT_EQ(QFileInfo(files[1]).fileName(), "b.MP3");
    EXPECT_EQ(QFileInfo(files[2]).fileName(), "C.Mp3");

    const auto rows = import();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][7], stored("a.mp3"));
    EXPECT_EQ(rows[1][7], stored("b.mp3"));
    EXPECT_EQ(rows[2][7], stored("c.mp3"));
    for (const char* name : {"a.mp3", "b.mp3", "c.mp3"}) EXPECT_EQ(contents(catPath_ + name), mp3) << name;
    EXPECT_FALSE(QFile::exists(catPath_ + "inner.mp3"));
    EXPECT_FALSE(QFile::exists(catPath_ + "notes.txt"));
    EXPECT_TRUE(failed_.isEmpty());
}

TEST_F(FolderImport, RowColumnsComeFromTheFile) {
    const QByteArray& tagged = LameFiles::get().tagged;
    put("Tagged.mp3", tagged);
    put("untagged.mp3", LameFiles::get().untagged);
    const QByteArray fake = "not audio at all, just some text that looks like nothing";
    put("fake.mp3", fake);

    const auto rows = import();
    ASSERT_EQ(rows.size(), 3u);
    const QString summary =
        "MPEG 1.0 (ISO/IEC 11172-3)\r\nLayer III\r\nBit Rate: 128 Kbps.\r\nSample Rate: 44100 Hz.\r\n"
        "Joint Stereo (Stereo)\r\nCopyright: No\r\nCRC: No\r\nVBR: No\r\nEmphasis: No";
    struct Expected {
        const char* title;
        const char* albumYear;
        const char* artist;
        QString sizeDuration;
        const char* genre;
        const char* comment;
        QString technical;
        const char* file;
    };
    // Rows in name order: fake, tagged, untagged.
    const Expected expected[] = {
        // Not really MP3: still a row, with what the reader found (nothing) and the stored path.
        {"", " - ", "", QString::number(fake.size()) + " - ", "Blues", "",
         "\r\n\r\nBit Rate:  Kbps.\r\nSample Rate:  Hz.\r\n\r\nCopyright: No\r\nCRC: No\r\nVBR: "
         "No\r\nEmphasis: ",
         "fake.mp3"},
        {"Song title", "The Album - 2003", "The Artist", QString::number(tagged.size()) + " - 00:02", "Rock",
         "A comment", summary, "tagged.mp3"},
        // No tag: genre number 0 reads "Blues".
        {"", " - ", "", QString::number(LameFiles::get().untagged.size()) + " - 00:02", "Blues", "", summary,
         "untagged.mp3"},
    };
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(expected[i].file);
        const QStringList& row = rows[i];
        ASSERT_EQ(row.size(), 8);
        EXPECT_EQ(row[0], expected[i].title);
        EXPECT_EQ(row[1], expected[i].albumYear);
        EXPECT_EQ(row[2], expected[i].artist);
        EXPECT_EQ(row[3], expected[i].sizeDuration);
        EXPECT_EQ(row[4], expected[i].genre);
        EXPECT_EQ(row[5].trimmed(), expected[i].comment);
        EXPECT_EQ(row[6], expected[i].technical);
        EXPECT_EQ(row[7], stored(expected[i].file));
    }
}

// One counter for the whole import: clashes are numbered 1, 2, 3 ... whatever the names; a file of the
// same name and size is the same file.
TEST_F(FolderImport, ClashesShareOneCounterAndSameSizedFilesAreNotCopied) {
    const QByteArray& mp3 = LameFiles::get().untagged;
    put("a.mp3", mp3);
    put("b.mp3", mp3);
    put("c.mp3", mp3);
    put("d.mp3", mp3);
    // Already in the category folder: a and b of other sizes, 2b too, c the same file.
    ASSERT_TRUE(write(catPath_ + "a.mp3", "other a"));
    ASSERT_TRUE(write(catPath_ + "B.mp3", "other b"));
    ASSERT_TRUE(write(catPath_ + "2b.mp3", "yet another size"));
    ASSERT_TRUE(write(catPath_ + "c.mp3", QByteArray(mp3.size(), 'x')));

    const auto rows = import();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0][7], stored("1a.mp3"));
    EXPECT_EQ(rows[1][7], stored("3b.mp3"));  // 2 went on 2b.mp3, which has another size
    EXPECT_EQ(rows[2][7], stored("c.mp3"));
    EXPECT_EQ(rows[3][7], stored("d.mp3"));
    EXPECT_EQ(contents(catPath_ + "a.mp3"), "other a");
    EXPECT_EQ(contents(catPath_ + "1a.mp3"), mp3);
    EXPECT_EQ(contents(catPath_ + "3b.mp3"), mp3);
    EXPECT_EQ(contents(catPath_ + "c.mp3"), QByteArray(mp3.size(), 'x'));  // found, not overwritten
    EXPECT_EQ(rows[2][4], "Blues");                                        // the row reads the stored file

    // The same folder again: every track appended again, nothing copied.
    const QStringList before = QDir(catPath_).entryList(QDir::Files);
    const auto again = import();
    ASSERT_EQ(again.size(), 4u);
    for (size_t i = 0; i < again.size(); ++i) EXPECT_EQ(again[i], rows[i]);
    EXPECT_EQ(QDir(catPath_).entryList(QDir::Files), before);
}

TEST_F(FolderImport, FilesThatCannotBeCopiedGiveNoRow) {
    put("a.mp3", LameFiles::get().untagged);
    put("b.mp3", LameFiles::get().untagged);
    catPath_ = frame::folders().userData + "not-a-folder";
    ASSERT_TRUE(write(catPath_, "a file where the category folder should be"));
    const auto rows = import();
    EXPECT_TRUE(rows.empty());
    EXPECT_EQ(failed_, (QStringList{src("a.mp3"), src("b.mp3")}));
}

TEST_F(FolderImport, EmptyOrMissingFolderChangesNothing) {
    put("readme.txt", "no audio here");
    int calls = 0;
    const auto count = [&](const QStringList&) { ++calls; };
    EXPECT_EQ(card::ImportMp3Files(source_.path(), catPath_, count), 0);
    EXPECT_EQ(card::ImportMp3Files(source_.path() + "/missing", catPath_, count), 0);
    EXPECT_EQ(card::ImportMp3Folder(nullptr, QString(), catPath_, count), 0);  // the choice was cancelled
    EXPECT_EQ(card::ImportMp3Folder(nullptr, source_.path() + '/', catPath_, count), 0);
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);  // the busy pointer is gone again
}

TEST_F(FolderImport, WindowImportShowsTheNewestRow) {
    for (const char* name : {"one.mp3", "two.mp3", "three.mp3"}) put(name, LameFiles::get().tagged);
    QTreeWidget list;
    list.setColumnCount(8);
    const int added =
        card::ImportMp3Folder(&list, source_.path() + '/', catPath_,
                              [&](const QStringList& row) { card::AppendAndShowRow(&list, row); });
    EXPECT_EQ(added, 3);
    ASSERT_EQ(list.topLevelItemCount(), 3);
    EXPECT_EQ(list.currentItem(), list.topLevelItem(2));
    EXPECT_TRUE(list.topLevelItem(2)->isSelected());
    EXPECT_EQ(list.topLevelItem(2)->text(7), stored("two.mp3"));  // one, three, two
    EXPECT_EQ(list.topLevelItem(0)->text(0), "Song title");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(FolderImport, CancelKeepsTheRowsAlreadyAppended) {
    for (const char* name : {"1.mp3", "2.mp3", "3.mp3", "4.mp3"}) put(name, LameFiles::get().untagged);
    std::vector<QStringList> rows;
    const int added = card::ImportMp3Folder(nullptr, source_.path(), catPath_, [&](const QStringList& row) {
        rows.push_back(row);
        // The user presses Cancel while the second file is being taken.
        if (rows.size() == 2) {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* progress = qobject_cast<QProgressDialog*>(w)) progress->cancel();
            }
        }
    });
    EXPECT_EQ(added, 2);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1][7], stored("2.mp3"));
    EXPECT_FALSE(QFile::exists(catPath_ + "3.mp3"));
}

}  // namespace
