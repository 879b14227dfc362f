#pragma once
// Painting a skinned window's frame from the nine pictures of the skin holder, tiling pictures,
// copying a window's background into a panel and centring controls. The placement arithmetic is
// kept in plain functions so it can be checked without a display.

#include <QPoint>
#include <QSize>
#include <array>
#include <vector>

class QPixmap;
class QWidget;

namespace ui {

class PictureBox;
class SkinnedWindow;

// The nine frame pieces, in the order the skin holder loads them.
enum class ChromePiece { TopLeft, Top, TopRight, Left, Center, Right, BottomLeft, Bottom, BottomRight };
inline constexpr int kChromePieces = 9;

struct ChromePlacement {
    ChromePiece piece;
    QPoint at;
};

// Where the edge and corner pieces go on a drawing area of the given size, in drawing order: each
// edge is followed by the corner that must cover its overrun. Pieces whose size is empty (a missing
// picture) are left out. The centre picture is tiled separately (see TileOrigins).
std::vector<ChromePlacement> ChromeLayout(QSize area, const std::array<QSize, kChromePieces>& pieceSizes);

// Tiling modes of sbTilePicture.
enum TileMode { kTileOnce = 0, kTileRow = 1, kTileColumn = 2, kTileBoth = 3 };

// Top left corners of the copies that tile a target with a picture of the given size.
std::vector<QPoint> TileOrigins(QSize target, QSize picture, int mode);

// The position that centres an item in an area along one axis; halves are rounded down.
int CenteredOffset(int area, int item);

// Paints the window's chrome from the skin holder's pictures.
void sbPaintSkin(SkinnedWindow* window);

// Clears the target's background and fills it with copies of the holder's picture.
void sbTilePicture(SkinnedWindow* target, const PictureBox* holder, int mode);
void sbTilePicture(PictureBox* target, const PictureBox* holder, int mode);

// Copies the part of the window's background that lies under the holder into the holder, so the
// holder seems transparent.
void sbCopyBackground(SkinnedWindow* window, PictureBox* holder);

// Centres the control in the window's drawing area: mode 1 horizontally, 2 vertically, 3 both.
void sbCenterControl(QWidget* window, QWidget* control, int mode);

}  // namespace ui
