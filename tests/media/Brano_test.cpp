// The MP3 file reader on hand-made files: where the first frame is found, the two playing-time
// rules, the ID3 version 1 tag and every way reading stops early.

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "Mp3Fixtures.h"
#include "media/Brano.h"
#include "media/GenreNames.h"

using media::Brano;
using namespace mp3fixtures;

namespace {

const QString kYes = QStringLiteral("S\u00EC");

class BranoTest : public testing::Test {
protected:
    QString path(const QString& name) const { return dir_.filePath(name); }

    // Writes the file and reads it with a fresh reader.
    Brano read(const QString& name, const QByteArray& head, int64_t size = -1,
               const QByteArray& tail = QByteArray()) {
        EXPECT_TRUE(writeFile(path(name), head, size, tail));
        Brano brano;
        brano.setNomeFile(path(name));
        return brano;
    }

    static void expectNothingFilled(const Brano& b) {
        EXPECT_EQ(b.NomeFile(), "");
        EXPECT_EQ(b.VersionID(), "");
        EXPECT_EQ(b.LayerDescription(), "");
        EXPECT_EQ(b.BitRate(), "");
        EXPECT_EQ(b.SampleRate(), "");
        EXPECT_EQ(b.ChannelMode(), "");
        EXPECT_EQ(b.Emphasis(), "");
        EXPECT_EQ(b.Durata(), "");
        EXPECT_EQ(b.VBR(), "No");
        EXPECT_EQ(b.CRC(), "No");
        EXPECT_EQ(b.Copyright(), "No");
        EXPECT_EQ(b.Original(), "No");
        expectNoTag(b);
    }

    static void expectNoTag(const Brano& b) {
        EXPECT_EQ(b.Titolo(), "");
        EXPECT_EQ(b.Autore(), "");
        EXPECT_EQ(b.Album(), "");
        EXPECT_EQ(b.Anno(), "");
        EXPECT_EQ(b.Commenti(), "");
        EXPECT_EQ(b.Traccia(), "0");
        EXPECT_EQ(b.Genere(), 0);
    }

    QTemporaryDir dir_;
};

TEST_F(BranoTest, ConstantBitRateFileWithoutTag) {
    const Brano b = read("cbr.mp3", headerBytes(kMpeg1Layer3At128), 4000000);
    EXPECT_EQ(b.NomeFile(), "cbr.mp3");
    EXPECT_EQ(b.VersionID(), "MPEG 1.0 (ISO/IEC 11172-3)");
    EXPECT_EQ(b.LayerDescription(), "Layer III");
    EXPECT_EQ(b.BitRate(), "128");
    EXPECT_EQ(b.SampleRate(), "44100");
    EXPECT_EQ(b.ChannelMode(), "Joint Stereo (Stereo)");
    EXPECT_EQ(b.Emphasis(), "No");
    EXPECT_EQ(b.Original(), kYes);
    EXPECT_EQ(b.Copyright(), "No");
    EXPECT_EQ(b.CRC(), "No");
    EXPECT_EQ(b.VBR(), "No");
    EXPECT_EQ(b.Durata(), "04:09");
    expectNoTag(b);
    EXPECT_EQ(media::genreName(b.Genere()), "Blues");
}

TEST_F(BranoTest, FileBeyondFourGigabytes) {
    // Mostly a hole on disk: the reader must use 64-bit positions and never load the file whole.
    // A second frame header right after the first ends the search for "Xing" at once.
    const int64_t size = 5000000000LL;
    const QByteArray twoHeaders = headerBytes(kMpeg1Layer3At128) + headerBytes(kMpeg1Layer3At128);
    const Brano b = read("huge.mp3", twoHeaders, size, id3v1({.title = "Huge", .genre = 8}));
    EXPECT_EQ(b.Durata(), "5208:19");  // 312,499 seconds
    EXPECT_EQ(b.Titolo(), "Huge");
    EXPECT_EQ(b.Genere(), 8);
}

TEST_F(BranoTest, XingFrameCountGivesTheDuration) {
    const Brano b = read("vbr.mp3", xingFrame(kMpeg1Layer3At128, 9000), 4000000);
    EXPECT_EQ(b.VBR(), kYes);
    EXPECT_EQ(b.BitRate(), "128");
    EXPECT_EQ(b.Durata(), "3:55");
    EXPECT_EQ(b.NomeFile(), "vbr.mp3");
}

TEST_F(BranoTest, XingIsLookedForOnlyUpToTheNextFrameHeader) {
    // A second frame header comes before the letters: they belong to another frame.
    const QByteArray head = headerBytes(kMpeg1Layer3At128) + QByteArray(20, '\0') +
                            headerBytes(kMpeg1Layer3At128) + "Xing" + bigEndian32(0x0F) + bigEndian32(9000);
    const Brano b = read("later.mp3", head, 4000000);
    EXPECT_EQ(b.VBR(), "No");
    EXPECT_EQ(b.Durata(), "04:09");
}

TEST_F(BranoTest, XingCutOffBeforeItsFrameCountKeepsTheSizeDuration) {
    // The file ends inside the frame count: the reader must not read past the end.
    const QByteArray head = headerBytes(kMpeg1Layer3At128) + QByteArray(32, '\0') + "Xing" +
                            bigEndian32(0x0F) + QByteArray("\0\0", 2);
    const Brano b = read("cut.mp3", head);
    EXPECT_EQ(b.VBR(), kYes);
    EXPECT_EQ(b.Durata(), "00:00");
    EXPECT_EQ(b.NomeFile(), "cut.mp3");
}

TEST_F(BranoTest, FirstFrameIsFoundAfterALongTagBlock) {
    QByteArray block = "ID3" + QByteArray(40000 - 3, 'a');
    const QByteArray tag = id3v1({.title = "After the block", .genre = 17});
    const Brano b = read("late.mp3", block + xingFrame(kMpeg1Layer3At128, 4977), 1000000, tag);
    EXPECT_EQ(b.BitRate(), "128");
    EXPECT_EQ(b.Durata(), "2:10");
    EXPECT_EQ(b.Titolo(), "After the block");
    EXPECT_EQ(media::genreName(b.Genere()), "Rock");
}

TEST_F(BranoTest, LeadingBytesAreScannedLikeAudio) {
    // Nothing is skipped: reserved candidates are passed over, and the first usable four bytes win,
    // even inside what is really tag data.
    const QByteArray rejected =
        headerBytes(0xFFEB9064) + headerBytes(0xFFF99064) + headerBytes(0xFFFBF064) + headerBytes(0xFFFB9C64);
    const Brano b =
        read("scan.mp3", "ID3" + rejected + headerBytes(0xFFF38044) + "more" + headerBytes(kMpeg1Layer3At128),
             100000);
    EXPECT_EQ(b.VersionID(), "MPEG 2.0 (ISO/IEC 13818-3)");
    EXPECT_EQ(b.SampleRate(), "44100");
    EXPECT_EQ(b.BitRate(), "64");
}

TEST_F(BranoTest, HeaderInTheLastFourBytesIsFoundButNotInTheLastThree) {
    const QByteArray filler(1000, 'x');
    const Brano last = read("last4.mp3", filler + headerBytes(kMpeg1Layer3At128));
    EXPECT_EQ(last.BitRate(), "128");
    EXPECT_EQ(last.Durata(), "00:00");

    const Brano cut = read("last3.mp3", filler + headerBytes(kMpeg1Layer3At128).left(3));
    expectNothingFilled(cut);
}

TEST_F(BranoTest, FilesWithoutAFrameFillNothingNotEvenTheTag) {
    const QByteArray tag = id3v1({.title = "Unreachable", .genre = 3});
    struct Case {
        const char* name;
        QByteArray head;
        int64_t size;
        QByteArray tail;
    };
    const Case cases[] = {
        {"empty.mp3", QByteArray(), -1, QByteArray()},
        {"text.mp3", QByteArray(50000, 'q'), -1, QByteArray()},
        {"zeros.mp3", QByteArray(), 3000000, tag},
        {"sync.mp3", QByteArray(5000, char(0xFF)), -1, QByteArray()},  // bit-rate index 1111 throughout
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        expectNothingFilled(read(c.name, c.head, c.size, c.tail));
    }
}

TEST_F(BranoTest, MissingFileFillsNothing) {
    Brano b;
    b.setNomeFile(path("nowhere.mp3"));
    expectNothingFilled(b);
    b.setNomeFile(dir_.path());  // a folder is no file either
    expectNothingFilled(b);
    b.setNomeFile(QString());
    expectNothingFilled(b);
}

TEST_F(BranoTest, FreeFormatStopsBeforeDurationNameAndTag) {
    const QByteArray tag = id3v1({.title = "Free", .genre = 5});
    const Brano b = read("free.mp3", xingFrame(0xFFFB0064, 9000), 100000, tag);
    EXPECT_EQ(b.BitRate(), "0");
    EXPECT_EQ(b.VBR(), kYes);
    EXPECT_EQ(b.VersionID(), "MPEG 1.0 (ISO/IEC 11172-3)");
    EXPECT_EQ(b.Original(), kYes);
    EXPECT_EQ(b.Durata(), "");
    EXPECT_EQ(b.NomeFile(), "");
    expectNoTag(b);
}

TEST_F(BranoTest, ReadsTheTagFields) {
    struct Case {
        const char* name;
        TagFields fields;
        const char* title;
        const char* comment;
        const char* track;
        int genre;
    };
    const QByteArray comment30 = "abcdefghijklmnopqrstuvwxyz0123";
    const Case cases[] = {
        // Version 1.0: a 30-byte comment; its last byte is read as the track anyway.
        {"v10",
         {.title = "Song", .comment = comment30, .genre = 13},
         "Song",
         "abcdefghijklmnopqrstuvwxyz012",
         "51",
         13},
        // Version 1.1: the zero before the track byte ends the 29-byte comment.
        {"v11", {.title = "Song", .comment = "Live", .track = 7, .genre = 0}, "Song", "Live", "7", 0},
        {"full comment v11",
         {.comment = "abcdefghijklmnopqrstuvwxyz01", .track = 255, .genre = 148},
         "",
         "abcdefghijklmnopqrstuvwxyz01",
         "255",
         148},
        // Trailing spaces stay; the callers trim where they need to.
        {"spaces", {.title = "Four    ", .genre = 147}, "Four    ", "", "0", 147},
        // A genre number beyond the table reads as the last one.
        {"genre 255", {.title = "Abcd", .genre = 255}, "Abcd", "", "0", 148},
        {"genre 149", {.genre = 149}, "", "", "0", 148},
        // Windows-1252 letters.
        {"cp1252",
         {.title = "Caff\xE8 \x80 \x93ok\x94", .genre = 1},
         "Caff\u00E8 \u20AC \u201Cok\u201D",
         "",
         "0",
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Brano b = read("tag.mp3", headerBytes(kMpeg1Layer3At128), 20000, id3v1(c.fields));
        EXPECT_EQ(b.Titolo(), QString::fromUtf8(c.title));
        EXPECT_EQ(b.Commenti(), QString::fromUtf8(c.comment));
        EXPECT_EQ(b.Traccia(), c.track);
        EXPECT_EQ(b.Genere(), c.genre);
    }
    EXPECT_EQ(media::genreName(148), " ");
}

TEST_F(BranoTest, ReadsArtistAlbumAndYearUpToTheirFirstZero) {
    TagFields fields{.title = QByteArray("Abcd\0junk", 9),
                     .artist = "An artist with exactly thirty!",
                     .album = "Album",
                     .year = "1999"};
    const Brano b = read("tag.mp3", headerBytes(kMpeg1Layer3At128), 20000, id3v1(fields));
    EXPECT_EQ(b.Titolo(), "Abcd");
    EXPECT_EQ(b.Autore(), "An artist with exactly thirty!");
    EXPECT_EQ(b.Album(), "Album");
    EXPECT_EQ(b.Anno(), "1999");
}

TEST_F(BranoTest, NoTagWhenTheLastBytesAreNotOne) {
    // Shorter than a tag, though it begins with the letters.
    const QByteArray shortFile = "TAG" + headerBytes(kMpeg1Layer3At128) + QByteArray(120, 'x');
    ASSERT_EQ(shortFile.size(), 127);
    const Brano shortOne = read("short.mp3", shortFile);
    EXPECT_EQ(shortOne.BitRate(), "128");
    expectNoTag(shortOne);

    QByteArray notTag = id3v1({.title = "Title", .genre = 9});
    notTag[2] = 'X';
    const Brano other = read("tax.mp3", headerBytes(kMpeg1Layer3At128), 20000, notTag);
    EXPECT_EQ(other.Durata(), "00:00");
    expectNoTag(other);

    // A tag that is not at the very end is not read.
    const Brano early =
        read("early.mp3", headerBytes(kMpeg1Layer3At128), 20000, id3v1({.title = "Title", .genre = 9}) + "x");
    expectNoTag(early);
}

TEST_F(BranoTest, TagOfExactlyTheWholeFile) {
    // A 128-byte file whose title holds the frame header: the frame is found inside the tag.
    const Brano b = read("tiny.mp3", id3v1({.title = headerBytes(kMpeg1Layer3At128) + "x", .genre = 2}));
    EXPECT_EQ(b.BitRate(), "128");
    EXPECT_EQ(b.Genere(), 2);
    EXPECT_EQ(b.Titolo().size(), 5);
}

TEST_F(BranoTest, FileNameIsThePartAfterTheLastSeparator) {
    ASSERT_TRUE(writeFile(path("track.mp3"), headerBytes(kMpeg1Layer3At128), 20000));
    Brano b;
    // The system's own form, with "\" and other letter case, still reaches the file.
    b.setNomeFile(dir_.path() + "\\Track.MP3");
    EXPECT_EQ(b.NomeFile(), "Track.MP3");
    EXPECT_EQ(b.BitRate(), "128");
}

TEST_F(BranoTest, ReadingAgainStartsFromEmpty) {
    Brano b;
    ASSERT_TRUE(writeFile(path("tagged.mp3"), xingFrame(kMpeg1Layer3At128, 9000), 20000,
                          id3v1({.title = "First", .track = 3, .genre = 9})));
    b.setNomeFile(path("tagged.mp3"));
    EXPECT_EQ(b.Titolo(), "First");
    b.setNomeFile(path("missing.mp3"));
    expectNothingFilled(b);
}

}  // namespace
