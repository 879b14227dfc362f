// Window chrome: where the nine frame pieces go, tiling, centring, and painting with missing pictures.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "TestSupport.h"
#include "frame/Folders.h"
#include "ui/Chrome.h"
#include "ui/SkinHolder.h"
#include "ui/SkinnedWindow.h"

using ui::ChromePiece;
using ui::ChromePlacement;

namespace {

std::array<QSize, ui::kChromePieces> uniformSizes(QSize corner, QSize topEdge, QSize sideEdge,
                                                  QSize bottomEdge, QSize bottomCorner) {
    return {corner,   topEdge,      corner,     sideEdge,    QSize(48, 48),
            sideEdge, bottomCorner, bottomEdge, bottomCorner};
}

std::vector<ChromePlacement> of(const std::vector<ChromePlacement>& all, ChromePiece piece) {
    std::vector<ChromePlacement> out;
    for (const auto& p : all)
        if (p.piece == piece) out.push_back(p);
    return out;
}

int indexOf(const std::vector<ChromePlacement>& all, ChromePiece piece) {
    for (size_t i = 0; i < all.size(); ++i)
        if (all[i].piece == piece) return int(i);
    return -1;
}

}  // namespace

TEST(ChromeLayout, WindowNarrowerThanItsTwoTopCorners) {
    const auto sizes = uniformSizes(QSize(16, 22), QSize(16, 22), QSize(5, 16), QSize(16, 5), QSize(16, 5));
    const auto layout = ui::ChromeLayout(QSize(20, 60), sizes);
    const auto top = of(layout, ChromePiece::Top);
    ASSERT_EQ(top.size(), 1u);
    EXPECT_EQ(top[0].at, QPoint(16, 0));
    const auto corner = of(layout, ChromePiece::TopRight);
    ASSERT_EQ(corner.size(), 1u);
    EXPECT_EQ(corner[0].at, QPoint(4, 0));
    // The right corner is drawn on top of the edge piece.
    EXPECT_GT(indexOf(layout, ChromePiece::TopRight), indexOf(layout, ChromePiece::Top));
    EXPECT_EQ(of(layout, ChromePiece::Bottom).size(), 1u);
}

TEST(ChromeLayout, EdgesCoverTheWindowAndCornersComeLast) {
    const auto sizes = uniformSizes(QSize(16, 22), QSize(16, 22), QSize(5, 16), QSize(16, 5), QSize(16, 5));
    const QSize area(217, 149);
    const auto layout = ui::ChromeLayout(area, sizes);
    const auto top = of(layout, ChromePiece::Top);
    EXPECT_EQ(top.front().at.x(), 16);
    EXPECT_GE(top.back().at.x() + 16, area.width());
    const auto left = of(layout, ChromePiece::Left);
    EXPECT_EQ(left.front().at, QPoint(0, 22));
    EXPECT_GE(left.back().at.y() + 16, area.height() - 5);
    const auto right = of(layout, ChromePiece::Right);
    EXPECT_EQ(right.front().at, QPoint(212, 22));
    const auto bottom = of(layout, ChromePiece::Bottom);
    EXPECT_EQ(bottom.front().at, QPoint(16, 144));
    EXPECT_GE(bottom.back().at.x() + 16, area.width() - 16);
    EXPECT_EQ(of(layout, ChromePiece::BottomRight).front().at, QPoint(201, 144));
    EXPECT_EQ(layout.back().piece, ChromePiece::BottomRight);
    EXPECT_GT(indexOf(layout, ChromePiece::BottomLeft), indexOf(layout, ChromePiece::Left));
    EXPECT_TRUE(of(layout, ChromePiece::Center).empty());
}

TEST(ChromeLayout, BottomEdgeReachesANarrowerRightCorner) {
    // Corners of different widths must not leave a gap in the bottom edge.
    std::array<QSize, ui::kChromePieces> sizes =
        uniformSizes(QSize(16, 22), QSize(16, 22), QSize(5, 16), QSize(10, 5), QSize(10, 5));
    sizes[int(ChromePiece::BottomLeft)] = QSize(20, 5);
    const auto layout = ui::ChromeLayout(QSize(100, 60), sizes);
    const auto bottom = of(layout, ChromePiece::Bottom);
    EXPECT_GE(bottom.back().at.x() + 10, 100 - 10);
}

TEST(ChromeLayout, MissingPiecesAreLeftOutAndTheOthersKept) {
    auto sizes = uniformSizes(QSize(16, 22), QSize(16, 22), QSize(5, 16), QSize(16, 5), QSize(16, 5));
    sizes[int(ChromePiece::Top)] = QSize();
    sizes[int(ChromePiece::Left)] = QSize();
    sizes[int(ChromePiece::BottomRight)] = QSize();
    const auto layout = ui::ChromeLayout(QSize(200, 100), sizes);
    EXPECT_TRUE(of(layout, ChromePiece::Top).empty());
    EXPECT_TRUE(of(layout, ChromePiece::Left).empty());
    EXPECT_TRUE(of(layout, ChromePiece::BottomRight).empty());
    EXPECT_EQ(of(layout, ChromePiece::TopLeft).size(), 1u);
    EXPECT_EQ(of(layout, ChromePiece::TopRight).size(), 1u);
    EXPECT_FALSE(of(layout, ChromePiece::Right).empty());
    EXPECT_FALSE(of(layout, ChromePiece::Bottom).empty());
}

TEST(TileOrigins, Modes) {
    struct Case {
        int mode;
        size_t count;
        QPoint last;
    };
    // A 100 x 50 target with a 48 x 48 picture: columns 0..3, rows 0..2.
    const Case cases[] = {
        {0, 1, QPoint(0, 0)}, {1, 4, QPoint(144, 0)}, {2, 3, QPoint(0, 96)}, {3, 12, QPoint(144, 96)}};
    for (const Case& c : cases) {
        const auto origins = ui::TileOrigins(QSize(100, 50), QSize(48, 48), c.mode);
        ASSERT_EQ(origins.size(), c.count) << "mode " << c.mode;
        EXPECT_EQ(origins.back(), c.last) << "mode " << c.mode;
    }
    EXPECT_TRUE(ui::TileOrigins(QSize(100, 50), QSize(), 3).empty());
}

TEST(CenteredOffset, HalvesRoundDown) {
    EXPECT_EQ(ui::CenteredOffset(261, 60), 100);
    EXPECT_EQ(ui::CenteredOffset(100, 57), 21);
    EXPECT_EQ(ui::CenteredOffset(10, 13), -2);
}

TEST(PaintSkin, SkinWithMissingPicturesPaintsThePiecesItHas) {
    testsupport::TempInstallation install;
    // A skin of our own, made of the default skin's frame pictures without two of them.
    QTemporaryDir skinDir;
    const QString pristine = install.file("img/skins/predeterminado/");
    for (const char* name : {"top_left.jpg", "top_right.jpg", "left.jpg", "center.jpg", "right.jpg",
                             "bottom_left.jpg", "bottom.jpg"})
        ASSERT_TRUE(QFile::copy(pristine + name, skinDir.filePath(name)));
    frame::folders().currentSkin = skinDir.path() + '/';
    ui::frmLib& lib = ui::SkinHolder();
    lib.sbLoadSkin();
    EXPECT_FALSE(lib.picTop()->hasPicture());
    EXPECT_FALSE(lib.picBottomRight()->hasPicture());
    ASSERT_TRUE(lib.picTopLeft()->hasPicture());
    ASSERT_TRUE(lib.picCenter()->hasPicture());

    ui::SkinnedWindow window("frmTest", QSize(120, 80));
    ui::sbPaintSkin(&window);
    const QImage painted = window.backgroundPicture().toImage();
    ASSERT_EQ(painted.size(), QSize(120, 80));
    const QImage corner = lib.picTopLeft()->picture().toImage();
    EXPECT_EQ(painted.pixel(2, 2), corner.pixel(2, 2));
    // Where the top edge is missing, the centre picture shows through.
    const QImage centre = lib.picCenter()->picture().toImage();
    EXPECT_EQ(painted.pixel(40, 2), centre.pixel(40, 2));
    // The bottom edge is there, though its right corner is not.
    const QImage bottom = lib.picBottom()->picture().toImage();
    EXPECT_EQ(painted.pixel(64, 77), bottom.pixel(0, 2));
}
