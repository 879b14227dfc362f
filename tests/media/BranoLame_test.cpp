// The MP3 file reader on real files made by the lame encoder at test time, checked against known
// values and against the independent reader mp3info where it is installed.

#include <gtest/gtest.h>

#include <QDataStream>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cmath>
#include <memory>

#include "Mp3Fixtures.h"
#include "media/Brano.h"

using media::Brano;
using namespace mp3fixtures;

namespace {

const QString kYes = QStringLiteral("S\u00EC");
constexpr int kSeconds = 3;

// A 16-bit PCM WAV file of a few seconds of two tones.
QByteArray wav(int rate, int channels, int seconds) {
    QByteArray samples;
    QDataStream pcm(&samples, QIODevice::WriteOnly);
    pcm.setByteOrder(QDataStream::LittleEndian);
    for (int i = 0; i < rate * seconds; ++i) {
        for (int c = 0; c < channels; ++c) {
            const double hz = c == 0 ? 440.0 + i / 400.0 : 660.0;
            pcm << qint16(9000 * std::sin(2 * M_PI * hz * i / rate));
        }
    }
    QByteArray out;
    QDataStream w(&out, QIODevice::WriteOnly);
    w.setByteOrder(QDataStream::LittleEndian);
    w.writeRawData("RIFF", 4);
    w << quint32(36 + samples.size());
    w.writeRawData("WAVEfmt ", 8);
    w << quint32(16) << quint16(1) << quint16(channels) << quint32(rate) << quint32(rate * channels * 2)
      << quint16(channels * 2) << quint16(16);
    w.writeRawData("data", 4);
    w << quint32(samples.size());
    return out + samples;
}

struct Encoding {
    const char* name;
    int rate, channels;
    QStringList lameArgs;
    int seconds = kSeconds;
};

const Encoding kEncodings[] = {
    {"cbr.mp3", 44100, 2, {"-b", "128", "--cbr"}},
    {"stereo.mp3", 48000, 2, {"-m", "s", "-b", "320", "--cbr"}},
    {"flags.mp3", 32000, 1, {"-m", "m", "-b", "96", "--cbr", "-p", "-c", "-o", "-e", "5"}},
    {"dual.mp3", 44100, 2, {"-m", "d", "-b", "192", "--cbr"}},
    {"vbr.mp3", 44100, 2, {"-V", "2"}},
    {"mpeg2.mp3", 22050, 2, {"-b", "64", "--cbr"}},
    {"mpeg2vbr.mp3", 22050, 2, {"-V", "4"}},
    {"mpeg25.mp3", 11025, 1, {"-m", "m", "-b", "32", "--cbr"}},
    // Long enough that timing the frames at the displayed rate (half the length) cannot pass.
    {"mpeg25vbr.mp3", 8000, 1, {"-m", "m", "-V", "4"}, 20},
};

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class LameFiles : public testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<QTemporaryDir>();
        problem_ = makeFiles();
    }
    static void TearDownTestSuite() { dir_.reset(); }
    void SetUp() override { ASSERT_TRUE(problem_.isEmpty()) << problem_.toStdString(); }

    static QString file(const QString& name) { return dir_->filePath(name); }
    static Brano read(const QString& name) {
        Brano b;
        b.setNomeFile(file(name));
        return b;
    }

    static QString makeFiles() {
        const QString lame = QStandardPaths::findExecutable("lame");
        if (lame.isEmpty()) return "the lame encoder is not installed";
        for (const Encoding& e : kEncodings) {
            const QString input = file(QString(e.name) + ".wav");
            if (!writeFile(input, wav(e.rate, e.channels, e.seconds))) return "cannot write " + input;
            QProcess p;
            p.start(lame, QStringList{"--quiet"} + e.lameArgs + QStringList{input, file(e.name)});
            if (!p.waitForFinished(60000) || p.exitCode() != 0)
                return QString("lame failed on %1: %2").arg(e.name, QString(p.readAllStandardError()));
        }
        // Files made from the encoded ones.
        const QByteArray cbr = contents(file("cbr.mp3"));
        const QByteArray vbr = contents(file("vbr.mp3"));
        const TagFields v10{.title = "Title one",
                            .artist = "Artist",
                            .album = "Album",
                            .year = "2001",
                            .comment = "A comment of thirty bytes....9",
                            .genre = 17};
        const TagFields v11{.title = "Caff\xE8", .comment = "Track twelve", .track = 12, .genre = 255};
        const QByteArray leading = "ID3" + QByteArray(40000 - 3, 'T');
        const bool ok =
            writeFile(file("v10.mp3"), cbr + id3v1(v10)) && writeFile(file("v11.mp3"), cbr + id3v1(v11)) &&
            writeFile(file("late.mp3"), leading + vbr) && writeFile(file("truncated.mp3"), cbr.left(10001)) &&
            writeFile(file("vbrcut.mp3"), vbr.left(44));
        return ok ? QString() : "cannot write the derived files";
    }

    static inline std::unique_ptr<QTemporaryDir> dir_;
    static inline QString problem_;
};

TEST_F(LameFiles, HeadersOfRealFiles) {
    struct Case {
        const char* name;
        const char* version;
        const char* bitRate;
        const char* sampleRate;
        const char* channelMode;
        const char* emphasis;
        QString crc, copyright, original, vbr;
        const char* duration;
    };
    const char* v1 = "MPEG 1.0 (ISO/IEC 11172-3)";
    const char* v2 = "MPEG 2.0 (ISO/IEC 13818-3)";
    const char* v25 = "MPEG 2.5 (unofficial)";
    const Case cases[] = {
        {"cbr.mp3", v1, "128", "44100", "Joint Stereo (Stereo)", "No", "No", "No", kYes, "No", "00:02"},
        {"stereo.mp3", v1, "320", "48000", "Stereo", "No", "No", "No", kYes, "No", "00:02"},
        {"flags.mp3", v1, "96", "32000", "Single Channel (Mono)", "50/15 ms", kYes, kYes, "No", "No",
         "00:02"},
        {"dual.mp3", v1, "192", "44100", "Dual Channel (Stereo)", "No", "No", "No", kYes, "No", "00:02"},
        // The Xing frame's own bit rate; the duration comes from the frame count.
        {"vbr.mp3", v1, nullptr, "44100", "Joint Stereo (Stereo)", "No", "No", "No", kYes, kYes, "0:03"},
        // MPEG 2 and 2.5 show the MPEG-1 sample rate of the same index.
        {"mpeg2.mp3", v2, "64", "44100", "Joint Stereo (Stereo)", "No", "No", "No", kYes, "No", "00:02"},
        {"mpeg2vbr.mp3", v2, nullptr, "44100", "Joint Stereo (Stereo)", "No", "No", "No", kYes, kYes, "0:03"},
        {"mpeg25.mp3", v25, "32", "44100", "Single Channel (Mono)", "No", "No", "No", kYes, "No", "00:02"},
        // 8000 Hz shows as "32000"; its frame count is timed at the real 8000 Hz, 576 samples a frame.
        {"mpeg25vbr.mp3", v25, nullptr, "32000", "Single Channel (Mono)", "No", "No", "No", kYes, kYes,
         "0:20"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Brano b = read(c.name);
        EXPECT_EQ(b.NomeFile(), c.name);
        EXPECT_EQ(b.VersionID(), c.version);
        EXPECT_EQ(b.LayerDescription(), "Layer III");
        if (c.bitRate) {
            EXPECT_EQ(b.BitRate(), c.bitRate);
        }
        EXPECT_NE(b.BitRate(), "0");
        EXPECT_EQ(b.SampleRate(), c.sampleRate);
        EXPECT_EQ(b.ChannelMode(), c.channelMode);
        EXPECT_EQ(b.Emphasis(), c.emphasis);
        EXPECT_EQ(b.CRC(), c.crc);
        EXPECT_EQ(b.Copyright(), c.copyright);
        EXPECT_EQ(b.Original(), c.original);
        EXPECT_EQ(b.VBR(), c.vbr);
        EXPECT_EQ(b.Durata(), c.duration);
        EXPECT_EQ(b.Titolo(), "");
        EXPECT_EQ(b.Genere(), 0);
    }
}

TEST_F(LameFiles, VersionOneTag) {
    const Brano b = read("v10.mp3");
    EXPECT_EQ(b.BitRate(), "128");
    EXPECT_EQ(b.Titolo(), "Title one");
    EXPECT_EQ(b.Autore(), "Artist");
    EXPECT_EQ(b.Album(), "Album");
    EXPECT_EQ(b.Anno(), "2001");
    EXPECT_EQ(b.Commenti(), "A comment of thirty bytes....");
    EXPECT_EQ(b.Traccia(), "57");  // the comment's last letter, "9"
    EXPECT_EQ(b.Genere(), 17);
}

TEST_F(LameFiles, VersionOnePointOneTag) {
    const Brano b = read("v11.mp3");
    EXPECT_EQ(b.Titolo(), QString::fromUtf8("Caff\u00E8"));
    EXPECT_EQ(b.Autore(), "");
    EXPECT_EQ(b.Commenti(), "Track twelve");
    EXPECT_EQ(b.Traccia(), "12");
    EXPECT_EQ(b.Genere(), 148);
}

TEST_F(LameFiles, FrameAfterALongLeadingBlockIsFound) {
    const Brano late = read("late.mp3");
    const Brano plain = read("vbr.mp3");
    EXPECT_EQ(late.VersionID(), plain.VersionID());
    EXPECT_EQ(late.BitRate(), plain.BitRate());
    EXPECT_EQ(late.VBR(), kYes);
    EXPECT_EQ(late.Durata(), plain.Durata());
}

TEST_F(LameFiles, TruncatedFilesAreReadUpToTheirEnd) {
    const Brano cut = read("truncated.mp3");
    EXPECT_EQ(cut.BitRate(), "128");
    EXPECT_EQ(cut.Durata(), "00:00");  // 10,001 bytes at 128 kbit/s, one second off
    EXPECT_EQ(cut.NomeFile(), "truncated.mp3");

    // Ends inside the "Xing" header, before its frame count.
    const Brano vbr = read("vbrcut.mp3");
    EXPECT_EQ(vbr.VBR(), kYes);
    EXPECT_EQ(vbr.Durata(), "00:00");
}

// mp3info's texts for the fields both readers show.
QString fromMp3info(const QString& field, const QString& value) {
    if (field == "o") {
        if (value == "joint stereo") return "Joint Stereo (Stereo)";
        if (value == "stereo") return "Stereo";
        if (value == "dual channel") return "Dual Channel (Stereo)";
        if (value == "mono") return "Single Channel (Mono)";
    }
    if (field == "e") {
        if (value == "none") return "No";
        if (value.startsWith("50/15")) return "50/15 ms";
        return "CCT J.17";
    }
    if (value == "Yes") return kYes;
    return value;
}

TEST_F(LameFiles, AgreesWithMp3info) {
    const QString mp3info = QStandardPaths::findExecutable("mp3info");
    if (mp3info.isEmpty()) GTEST_SKIP() << "mp3info is not installed";
    const QStringList names = {"cbr.mp3",       "stereo.mp3", "flags.mp3",    "dual.mp3",
                               "vbr.mp3",       "mpeg2.mp3",  "mpeg2vbr.mp3", "mpeg25.mp3",
                               "mpeg25vbr.mp3", "v10.mp3",    "v11.mp3"};
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        QProcess p;
        p.start(mp3info, {"-p", "%.1v|%L|%r|%o|%e|%E|%C|%O|%S|%t|%a|%l|%y|%n|%G", file(name)});
        ASSERT_TRUE(p.waitForFinished(60000));
        const QStringList v = QString::fromLatin1(p.readAllStandardOutput()).split('|');
        ASSERT_EQ(v.size(), 15) << p.readAllStandardOutput().toStdString();
        const Brano b = read(name);
        EXPECT_TRUE(b.VersionID().startsWith("MPEG " + v[0] + " "));
        EXPECT_EQ(b.LayerDescription(), "Layer " + v[1]);
        if (v[2] != "Variable") {
            EXPECT_EQ(b.BitRate(), v[2]);
        }
        EXPECT_EQ(b.VBR(), v[2] == "Variable" ? kYes : "No");
        EXPECT_EQ(b.ChannelMode(), fromMp3info("o", v[3]));
        EXPECT_EQ(b.Emphasis(), fromMp3info("e", v[4]));
        EXPECT_EQ(b.CRC(), fromMp3info("E", v[5]));
        EXPECT_EQ(b.Copyright(), fromMp3info("C", v[6]));
        EXPECT_EQ(b.Original(), fromMp3info("O", v[7]));
        // Ours takes a second off a constant-bit-rate time; both round.
        const QStringList parts = b.Durata().split(':');
        ASSERT_EQ(parts.size(), 2);
        const int ours = parts[0].toInt() * 60 + parts[1].toInt();
        const int theirs = v[8].toInt() - (b.VBR() == kYes ? 0 : 1);
        EXPECT_LE(std::abs(ours - theirs), 1) << "ours " << ours << ", mp3info " << v[8].toStdString();
        EXPECT_EQ(b.Titolo().trimmed(), QString::fromLatin1(v[9].toLatin1()).trimmed());
        EXPECT_EQ(b.Autore().trimmed(), v[10].trimmed());
        EXPECT_EQ(b.Album().trimmed(), v[11].trimmed());
        EXPECT_EQ(b.Anno().trimmed(), v[12].trimmed());
        if (name == "v11.mp3") {
            EXPECT_EQ(b.Traccia(), v[13]);
        }
        if (name == "v10.mp3") {
            EXPECT_EQ(QString::number(b.Genere()), v[14]);
        }
    }
}

}  // namespace
