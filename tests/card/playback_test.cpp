// The film player on a small MJPEG film written by the test itself (an AVI file of JPEG frames drawn
// with Qt), on a text file the backend cannot play, and on aliases that were never opened.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QVideoWidget>
#include <QWidget>
#include <memory>

#include "frame/Folders.h"
#include "media/Playback.h"

using namespace media;

namespace {

constexpr int kFrames = 30;
constexpr int kFps = 10;  // three seconds
constexpr int kWidth = 64;
constexpr int kHeight = 48;

QByteArray fourcc(const char* code) {
    return QByteArray(code, 4);
}

QByteArray le32(quint32 v) {
    QByteArray b;
    QDataStream s(&b, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s << v;
    return b;
}

QByteArray le16(quint16 v) {
    return le32(v).left(2);
}

QByteArray chunk(const char* id, QByteArray data) {
    const quint32 size = quint32(data.size());
    if (data.size() % 2) data.append('\0');
    return fourcc(id) + le32(size) + data;
}

QByteArray list(const char* type, const QByteArray& body) {
    return fourcc("LIST") + le32(quint32(body.size() + 4)) + fourcc(type) + body;
}

QByteArray jpegFrame(int i) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(QColor::fromHsv((i * 12) % 360, 200, 220));
    QPainter p(&image);
    p.fillRect(i * 2 % kWidth, 10, 12, 12, Qt::black);
    p.end();
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 60);
    return jpeg;
}

// A Motion-JPEG AVI: header list, stream list with its BITMAPINFOHEADER, the frames, and the index.
QByteArray mjpegAvi() {
    QByteArray movi, index;
    quint32 largest = 0;
    for (int i = 0; i < kFrames; ++i) {
        const QByteArray jpeg = jpegFrame(i);
        largest = std::max(largest, quint32(jpeg.size()));
        index += fourcc("00dc") + le32(0x10) + le32(quint32(movi.size() + 4)) + le32(quint32(jpeg.size()));
        movi += chunk("00dc", jpeg);
    }
    const QByteArray avih = le32(1000000 / kFps) + le32(0) + le32(0) + le32(0x10) + le32(kFrames) + le32(0) +
                            le32(1) + le32(largest) + le32(kWidth) + le32(kHeight) + QByteArray(16, '\0');
    const QByteArray strh = fourcc("vids") + fourcc("MJPG") + le32(0) + le16(0) + le16(0) + le32(0) +
                            le32(1) + le32(kFps) + le32(0) + le32(kFrames) + le32(largest) +
                            le32(0xFFFFFFFF) + le32(0) + le16(0) + le16(0) + le16(kWidth) + le16(kHeight);
    const QByteArray strf = le32(40) + le32(kWidth) + le32(kHeight) + le16(1) + le16(24) + fourcc("MJPG") +
                            le32(kWidth * kHeight * 3) + QByteArray(16, '\0');
    const QByteArray hdrl =
        list("hdrl", chunk("avih", avih) + list("strl", chunk("strh", strh) + chunk("strf", strf)));
    const QByteArray body = fourcc("AVI ") + hdrl + list("movi", movi) + chunk("idx1", index);
    return fourcc("RIFF") + le32(quint32(body.size())) + body;
}

bool write(const QString& path, const QByteArray& data) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

QList<QVideoWidget*> surfaces(QWidget* panel) {
    return panel->findChildren<QVideoWidget*>();
}

// Lets the film play until its position passes `ms` (at most three seconds).
bool playUntil(const QString& alias, qint64 ms) {
    QElapsedTimer clock;
    clock.start();
    while (MediaPosition(alias) < ms && clock.elapsed() < 3000) QTest::qWait(20);
    return MediaPosition(alias) >= ms;
}

class Playback : public testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<QTemporaryDir>();
        ok_ = write(film(), mjpegAvi()) && write(dir_->filePath("second.avi"), mjpegAvi()) &&
              write(dir_->filePath("notes.txt"), QByteArray("Not a film at all.\n").repeated(50));
    }
    static void TearDownTestSuite() { dir_.reset(); }
    void SetUp() override {
        ASSERT_TRUE(ok_);
        frame::sbInitFolders(dir_->path());
        panel_ = std::make_unique<QWidget>();
        panel_->setObjectName("picMedia");
        panel_->resize(217, 217);
        panel_->show();
    }
    void TearDown() override {
        CloseAllMedia();
        panel_.reset();
    }

    static QString film() { return dir_->filePath("film.avi"); }
    static QString path(const char* name) { return dir_->filePath(name); }

    static inline std::unique_ptr<QTemporaryDir> dir_;
    static inline bool ok_ = false;
    std::unique_ptr<QWidget> panel_;
};

TEST_F(Playback, FilmOpensInThePanelPlaysAndCloses) {
    ASSERT_EQ(OpenMedia(film(), "film1", panel_.get()), kMediaOk);
    ASSERT_EQ(surfaces(panel_.get()).size(), 1);
    QVideoWidget* surface = surfaces(panel_.get()).front();
    EXPECT_TRUE(surface->isVisible());
    EXPECT_EQ(surface->geometry(), panel_->rect());
    EXPECT_EQ(MediaMode("film1"), "stopped");

    EXPECT_EQ(PlayMedia("film1"), kMediaOk);
    EXPECT_EQ(MediaMode("film1"), "playing");
    // Aliases are matched without case; the opened file names the same media.
    EXPECT_EQ(MediaMode("FILM1"), "playing");
    EXPECT_EQ(MediaMode(film()), "playing");

    // The surface follows the panel's size.
    panel_->resize(300, 200);
    EXPECT_EQ(surface->geometry(), panel_->rect());

    EXPECT_EQ(CloseMedia("Film1"), kMediaOk);
    EXPECT_EQ(MediaMode("film1"), kInvalidMedia);
    EXPECT_TRUE(surfaces(panel_.get()).isEmpty());
}

TEST_F(Playback, CallsOnMediaThatIsNotOpen) {
    ASSERT_EQ(OpenMedia(film(), "other", panel_.get()), kMediaOk);
    for (const QString& target : {QStringLiteral("KRV4172"), QStringLiteral(""), path("second.avi")}) {
        SCOPED_TRACE(target.toStdString());
        EXPECT_EQ(MediaMode(target), "invalid_multimedia");
        EXPECT_EQ(PlayMedia(target), kMediaNotOpen);
        EXPECT_EQ(SeekMedia(target, 0), kMediaNotOpen);
        EXPECT_EQ(CloseMedia(target), kMediaNotOpen);
    }
    // The open one was not disturbed.
    EXPECT_EQ(MediaMode("other"), "stopped");
}

TEST_F(Playback, FilesThatCannotBeOpenedLeaveThePanelEmpty) {
    struct Case {
        const char* what;
        QString file;
        int result;
    };
    const Case cases[] = {
        {"a text file", path("notes.txt"), kMediaCannotPlay},
        {"a missing file", path("gone.avi"), kMediaFileNotFound},
        {"a folder", dir_->path(), kMediaFileNotFound},
        {"no file at all", QString(), kMediaFileNotFound},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(OpenMedia(c.file, "bad", panel_.get()), c.result);
        EXPECT_EQ(MediaMode("bad"), kInvalidMedia);
        EXPECT_TRUE(surfaces(panel_.get()).isEmpty());
        EXPECT_EQ(PlayMedia("bad"), kMediaNotOpen);
    }
    // The card's sequence with an empty stored path plays nothing either.
    EXPECT_EQ(PlayCardFilm(QString(), panel_.get()), kMediaFileNotFound);
    EXPECT_EQ(MediaMode(kCardAlias), kInvalidMedia);
}

TEST_F(Playback, AnAliasInUseIsNotOpenedTwice) {
    ASSERT_EQ(OpenMedia(film(), "one", panel_.get()), kMediaOk);
    EXPECT_EQ(OpenMedia(path("second.avi"), "ONE", panel_.get()), kMediaAliasInUse);
    EXPECT_EQ(surfaces(panel_.get()).size(), 1);
    EXPECT_EQ(MediaMode(film()), "stopped");
}

TEST_F(Playback, PlayingAgainStartsFromTheBeginning) {
    ASSERT_EQ(OpenMedia(film(), "film", nullptr), kMediaOk);
    EXPECT_EQ(MediaPosition("film"), 0);
    ASSERT_EQ(PlayMedia("film"), kMediaOk);
    ASSERT_TRUE(playUntil("film", 800));
    EXPECT_EQ(PlayMedia("film"), kMediaOk);
    EXPECT_LT(MediaPosition("film"), 500);
    EXPECT_EQ(MediaMode("film"), "playing");
}

TEST_F(Playback, SeekingKeepsTheModeAndStaysInsideTheFilm) {
    ASSERT_EQ(OpenMedia(film(), "film", nullptr), kMediaOk);
    EXPECT_EQ(SeekMedia("film", 1000), kMediaOk);
    EXPECT_EQ(MediaMode("film"), "stopped");
    ASSERT_EQ(PlayMedia("film"), kMediaOk);
    EXPECT_EQ(SeekMedia("film", 1500), kMediaOk);
    EXPECT_EQ(MediaMode("film"), "playing");
    EXPECT_GE(MediaPosition("film"), 1500);
    EXPECT_EQ(SeekMedia("film", -1), kMediaOutOfRange);
    EXPECT_EQ(SeekMedia("film", 60000), kMediaOutOfRange);
    EXPECT_EQ(MediaMode("film"), "playing");
}

TEST_F(Playback, TheCardsFilmReplacesTheOneBefore) {
    frame::folders().installation = dir_->path();
    EXPECT_EQ(PlayCardFilm("film.avi", panel_.get()), kMediaOk);
    EXPECT_EQ(MediaMode(kCardAlias), "playing");
    EXPECT_EQ(PlayCardFilm("SECOND.AVI", panel_.get()), kMediaOk);
    EXPECT_EQ(MediaMode(kCardAlias), "playing");
    EXPECT_EQ(MediaMode(path("second.avi")), "playing");
    EXPECT_EQ(MediaMode(film()), kInvalidMedia);
    EXPECT_EQ(surfaces(panel_.get()).size(), 1);
    // A film that cannot be opened after one that played leaves nothing behind.
    EXPECT_EQ(PlayCardFilm("notes.txt", panel_.get()), kMediaCannotPlay);
    EXPECT_EQ(MediaMode(kCardAlias), kInvalidMedia);
    EXPECT_TRUE(surfaces(panel_.get()).isEmpty());
}

TEST_F(Playback, APanelThatGoesFirstDoesNotBreakClosing) {
    ASSERT_EQ(OpenMedia(film(), "film", panel_.get()), kMediaOk);
    ASSERT_EQ(PlayMedia("film"), kMediaOk);
    panel_.reset();
    EXPECT_EQ(MediaMode("film"), "playing");
    EXPECT_EQ(CloseMedia("film"), kMediaOk);
}

}  // namespace
