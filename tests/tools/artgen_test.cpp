// Tests of the picture generator: the GIF encoder against Qt's GIF reader, the frame pieces
// against the window they are cut from, and the complete list of written pictures.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "ButtonCatalogue.h"
#include "CategoryArt.h"
#include "ChromePainter.h"
#include "GifWriter.h"
#include "PictureWriter.h"
#include "SkinStyle.h"
#include "SkinWriter.h"

using namespace artgen;

namespace {

QImage decodeGif(const QByteArray& bytes) {
    QImage image;
    image.loadFromData(bytes, "GIF");
    return image.convertToFormat(QImage::Format_ARGB32);
}

QImage noise(int w, int h, int colours, quint32 seed) {
    QRandomGenerator rng(seed);
    QImage image(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int v = rng.bounded(colours);
            image.setPixel(x, y, qRgb(v * 37 % 256, v * 91 % 256, v * 13 % 256));
        }
    return image;
}

}  // namespace

TEST(GifWriter, ExactColoursSurviveARoundTrip) {
    struct Case {
        const char* what;
        QImage image;
    };
    QImage single(1, 1, QImage::Format_ARGB32);
    single.fill(qRgb(10, 200, 30));
    QImage bars(40, 7, QImage::Format_ARGB32);
    for (int x = 0; x < 40; ++x)
        for (int y = 0; y < 7; ++y) bars.setPixel(x, y, x < 20 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
    const Case cases[] = {
        {"one pixel", single},
        {"two colours", bars},
        {"256 colours, long runs reset the code table", noise(300, 200, 256, 7)},
        {"few colours, long repeats grow long codes", noise(500, 400, 3, 11)},
        {"width not a multiple of anything", noise(37, 53, 100, 3)},
    };
    for (const Case& c : cases) {
        const QImage decoded = decodeGif(encodeGif(quantize(c.image, Qt::black)));
        ASSERT_EQ(decoded.size(), c.image.size()) << c.what;
        int wrong = 0;
        for (int y = 0; y < decoded.height(); ++y)
            for (int x = 0; x < decoded.width(); ++x)
                if (decoded.pixel(x, y) != c.image.pixel(x, y)) ++wrong;
        EXPECT_EQ(wrong, 0) << c.what;
    }
}

TEST(GifWriter, TransparentPixelsStayTransparentAndEdgesAreBlendedOverTheMatte) {
    QImage image(4, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(0, 0, 0, 0));
    image.setPixel(1, 0, qRgba(255, 255, 255, 255));
    image.setPixel(2, 0, qRgba(255, 255, 255, 128));  // half covered: blended over the matte
    image.setPixel(3, 0, qRgba(255, 0, 0, 100));      // mostly uncovered: dropped
    const QImage decoded = decodeGif(encodeGif(quantize(image, QColor(0, 0, 0))));
    ASSERT_EQ(decoded.size(), image.size());
    EXPECT_EQ(qAlpha(decoded.pixel(0, 0)), 0);
    EXPECT_EQ(decoded.pixel(1, 0), qRgb(255, 255, 255));
    EXPECT_EQ(decoded.pixel(2, 0), qRgb(128, 128, 128));
    EXPECT_EQ(qAlpha(decoded.pixel(3, 0)), 0);
}

TEST(GifWriter, ManyColoursAreReducedCloseToTheOriginal) {
    QImage gradient(256, 64, QImage::Format_ARGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 256; ++x) gradient.setPixel(x, y, qRgb(x, y * 4, 255 - x));
    const QImage decoded = decodeGif(encodeGif(quantize(gradient, Qt::black)));
    ASSERT_EQ(decoded.size(), gradient.size());
    int worst = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 256; ++x) {
            const QRgb a = decoded.pixel(x, y), b = gradient.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b))});
        }
    EXPECT_LE(worst, 24);
}

// The windows paint their chrome by repeating the nine pieces; the result must be the window the
// pieces were cut from, at any size, with no seam.
TEST(Chrome, PiecesRepeatedByTheWindowsRebuildTheFrameWithoutSeams) {
    for (const SkinStyle& style : allSkins()) {
        const QList<FramePiece> pieces = framePieces(style);
        ASSERT_EQ(pieces.size(), 9);
        auto piece = [&](const char* name) {
            for (const FramePiece& f : pieces)
                if (f.fileName == name) return f.image;
            return QImage();
        };
        for (QSize size : {QSize(217, 149), QSize(337, 178), QSize(421, 277), QSize(138, 161)}) {
            const int W = size.width(), H = size.height();
            QImage painted(size, QImage::Format_RGB32);
            QPainter p(&painted);
            const QImage c = piece("center.jpg");
            for (int y = 0; y < H; y += c.height())
                for (int x = 0; x < W; x += c.width()) p.drawImage(x, y, c);
            const QImage tl = piece("top_left.jpg"), t = piece("top.jpg"), tr = piece("top_right.jpg");
            const QImage l = piece("left.jpg"), r = piece("right.jpg");
            const QImage bl = piece("bottom_left.jpg"), b = piece("bottom.jpg"),
                         br = piece("bottom_right.jpg");
            p.drawImage(0, 0, tl);
            int x = tl.width();
            p.drawImage(x, 0, t);
            while (x + t.width() < W) p.drawImage(x += t.width(), 0, t);
            p.drawImage(W - tr.width(), 0, tr);
            int y = tl.height();
            p.drawImage(0, y, l);
            while (y < H - tl.height()) p.drawImage(0, y += l.height(), l);
            y = tr.height();
            p.drawImage(W - r.width(), y, r);
            while (y < H - tr.height()) p.drawImage(W - r.width(), y += r.height(), r);
            p.drawImage(0, H - bl.height(), bl);
            x = bl.width();
            p.drawImage(x, H - b.height(), b);
            while (x + b.width() < W - bl.width()) p.drawImage(x += b.width(), H - b.height(), b);
            p.drawImage(W - br.width(), H - br.height(), br);
            p.end();
            EXPECT_EQ(painted, paintedWindow(W, H, style))
                << style.name.toStdString() << " " << W << "x" << H;
        }
    }
}

TEST(Catalogue, EveryButtonNameOfTheWindowsIsDrawnAtASizeThatFitsItsName) {
    const QStringList names = {"about32",       "back32",      "backup48",
                               "byall",         "bydate",      "bylend",
                               "byname",        "byrecent",    "bytoreturn",
                               "byusage",       "cancel21",    "cancel48",
                               "cat_books",     "cat_cddata",  "cat_dvdfilm",
                               "cat_mp3",       "cat_music",   "cat_singers_and_actors",
                               "cat_stamps",    "cat_vhsfilm", "cat_writers",
                               "cddb48",        "clear",       "close32",
                               "close48",       "delete21",    "delete48",
                               "edit21",        "edit48",      "find",
                               "first48",       "forward32",   "getdir48",
                               "getfolder21",   "goto",        "helpbrowser32",
                               "helpcard32",    "html48",      "importexport48",
                               "last48",        "minimize32",  "new21",
                               "new48",         "next48",      "ok",
                               "play32",        "previous48",  "print48",
                               "save21",        "save48",      "settings48",
                               "skinbrowser32", "skincard32",  "spindown",
                               "spinup"};
    QStringList drawn;
    for (const ButtonSpec& spec : imageButtons()) {
        drawn << spec.name;
        for (int size : {48, 32, 21}) {
            if (spec.name.endsWith(QString::number(size))) {
                EXPECT_EQ(spec.size.height(), size) << spec.name.toStdString();
            }
        }
    }
    drawn.sort();
    EXPECT_EQ(drawn, names);
    const ButtonSpec clear{"clear", QSize(21, 21), Glyph::Clear};
    EXPECT_EQ(buttonFileName(clear, ButtonState::Over), "over_Clear.jpg");
    EXPECT_EQ(buttonFileName(clear, ButtonState::Out), "out_clear.jpg");
    EXPECT_EQ(buttonFileName(clear, ButtonState::Disabled), "dis_clear.jpg");
}

TEST(SkinFolder, HoldsEveryPictureTheWindowsLoadAndEachOneReads) {
    QTemporaryDir dir;
    PictureWriter out(dir.path());
    writeSkin(out, nightSkin());
    writeCategoryFolders(out, "usr/kupro");
    ASSERT_TRUE(out.ok()) << out.failed().join(", ").toStdString();

    QStringList expected = {"top_left.jpg",     "top.jpg",
                            "top_right.jpg",    "left.jpg",
                            "center.jpg",       "right.jpg",
                            "bottom_left.jpg",  "bottom.jpg",
                            "bottom_right.jpg", "browser.jpg",
                            "card.jpg",         "msg_critical.gif",
                            "msg_info.gif",     "msg_exclamation.gif",
                            "gif_new.gif",      "gif_edit.gif",
                            "gif_print.gif",    "gif_designer.gif",
                            "gif_delete.gif",   "arr_up.jpg",
                            "separator48.gif",  "preview.jpg"};
    for (const ButtonSpec& spec : imageButtons())
        for (ButtonState s : {ButtonState::Out, ButtonState::Over, ButtonState::Disabled})
            expected << buttonFileName(spec, s);
    for (const QString& name : expected) {
        QImageReader reader(dir.filePath("img/skins/notte/" + name));
        EXPECT_TRUE(reader.canRead()) << name.toStdString();
    }
    EXPECT_EQ(QImageReader(dir.filePath("img/skins/notte/preview.jpg")).size(), QSize(150, 103));
    EXPECT_EQ(QImageReader(dir.filePath("img/skins/notte/msg_info.gif")).size(), QSize(60, 57));
    EXPECT_EQ(QImageReader(dir.filePath("img/skins/notte/out_ok.jpg")).size(), QSize(60, 21));
    for (int c = 1; c <= 9; ++c) {
        const QString cat = dir.filePath(QString("usr/kupro/cat/%1/").arg(c));
        EXPECT_TRUE(QImageReader(cat + "thumb.jpg").canRead()) << c;
        EXPECT_TRUE(QImageReader(cat + "gif_tecnici01.gif").canRead()) << c;
        EXPECT_TRUE(QImageReader(cat + "gif_tecnici16.gif").canRead()) << c;
    }
}

TEST(PictureWriter, ReportsAFileThatCannotBeWritten) {
    QTemporaryDir dir;
    QFile blocker(dir.filePath("img"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));  // a file where a folder is needed
    blocker.close();
    PictureWriter out(dir.path());
    out.jpg("img/skins/x/top.jpg", QImage(4, 4, QImage::Format_RGB32));
    out.gif("img/skins/x/a.gif", QImage(4, 4, QImage::Format_ARGB32), Qt::black);
    EXPECT_FALSE(out.ok());
    EXPECT_EQ(out.failed().size(), 2);
}
