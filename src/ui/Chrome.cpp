#include "Chrome.h"

#include <QPainter>

#include "Picture.h"
#include "SkinHolder.h"
#include "SkinnedWindow.h"

namespace ui {

namespace {

bool hasSize(QSize s) {
    return s.width() > 0 && s.height() > 0;
}

// Paints `mode` copies of a picture onto a fresh, transparent canvas of the target's size.
QPixmap tiled(QSize target, const QPixmap& picture, int mode) {
    QPixmap canvas(target.expandedTo(QSize(1, 1)));
    canvas.fill(Qt::transparent);
    if (picture.isNull()) return canvas;
    QPainter painter(&canvas);
    for (const QPoint& at : TileOrigins(target, picture.size(), mode)) painter.drawPixmap(at, picture);
    return canvas;
}

}  // namespace

std::vector<ChromePlacement> ChromeLayout(QSize area, const std::array<QSize, kChromePieces>& sizes) {
    const auto size = [&](ChromePiece p) { return sizes[static_cast<int>(p)]; };
    const int W = area.width();
    const int H = area.height();
    const QSize tl = size(ChromePiece::TopLeft), top = size(ChromePiece::Top),
                tr = size(ChromePiece::TopRight);
    const QSize left = size(ChromePiece::Left), right = size(ChromePiece::Right);
    const QSize bl = size(ChromePiece::BottomLeft), bottom = size(ChromePiece::Bottom);
    const QSize br = size(ChromePiece::BottomRight);

    std::vector<ChromePlacement> out;
    const auto put = [&](ChromePiece p, int x, int y) {
        if (hasSize(size(p))) out.push_back({p, QPoint(x, y)});
    };

    put(ChromePiece::TopLeft, 0, 0);
    if (hasSize(top)) {
        int x = tl.width();
        put(ChromePiece::Top, x, 0);
        while (x + top.width() < W) {
            x += top.width();
            put(ChromePiece::Top, x, 0);
        }
    }
    put(ChromePiece::TopRight, W - tr.width(), 0);
    // The side and bottom edges also go on while a gap would remain before the far corner, which
    // happens when the two corners of an edge differ in size.
    if (hasSize(left)) {
        int y = tl.height();
        put(ChromePiece::Left, 0, y);
        while (y < H - tl.height() || y + left.height() < H - bl.height()) {
            y += left.height();
            put(ChromePiece::Left, 0, y);
        }
    }
    if (hasSize(right)) {
        const int x = W - right.width();
        int y = tr.height();
        put(ChromePiece::Right, x, y);
        while (y < H - tr.height() || y + right.height() < H - br.height()) {
            y += right.height();
            put(ChromePiece::Right, x, y);
        }
    }
    put(ChromePiece::BottomLeft, 0, H - bl.height());
    if (hasSize(bottom)) {
        const int y = H - bottom.height();
        int x = bl.width();
        put(ChromePiece::Bottom, x, y);
        while (x + bottom.width() < W - bl.width() || x + bottom.width() < W - br.width()) {
            x += bottom.width();
            put(ChromePiece::Bottom, x, y);
        }
    }
    put(ChromePiece::BottomRight, W - br.width(), H - br.height());
    return out;
}

std::vector<QPoint> TileOrigins(QSize target, QSize picture, int mode) {
    std::vector<QPoint> out;
    if (!hasSize(picture)) return out;
    const int w = picture.width();
    const int h = picture.height();
    const int columns = (mode == kTileRow || mode == kTileBoth) ? target.width() / w + 1 : 0;
    const int rows = (mode == kTileColumn || mode == kTileBoth) ? target.height() / h + 1 : 0;
    for (int j = 0; j <= rows; ++j)
        for (int i = 0; i <= columns; ++i) out.emplace_back(i * w, j * h);
    return out;
}

int CenteredOffset(int area, int item) {
    const int d = area - item;
    return d >= 0 ? d / 2 : -((-d + 1) / 2);
}

void sbPaintSkin(SkinnedWindow* window) {
    if (!window) return;
    const frmLib& lib = SkinHolder();
    const QSize area = window->size();
    QPixmap canvas = tiled(area, lib.piece(ChromePiece::Center).picture(), kTileBoth);
    std::array<QSize, kChromePieces> sizes;
    for (int i = 0; i < kChromePieces; ++i)
        sizes[i] = lib.piece(static_cast<ChromePiece>(i)).picture().size();
    {
        QPainter painter(&canvas);
        for (const ChromePlacement& p : ChromeLayout(area, sizes))
            painter.drawPixmap(p.at, lib.piece(p.piece).picture());
    }
    window->setBackgroundPicture(canvas);
}

void sbTilePicture(SkinnedWindow* target, const PictureBox* holder, int mode) {
    if (!target) return;
    target->setBackgroundPicture(tiled(target->size(), holder ? holder->picture() : QPixmap(), mode));
}

void sbTilePicture(PictureBox* target, const PictureBox* holder, int mode) {
    if (!target) return;
    target->setPicture(tiled(target->size(), holder ? holder->picture() : QPixmap(), mode));
}

void sbCopyBackground(SkinnedWindow* window, PictureBox* holder) {
    if (!window || !holder) return;
    const QPixmap& background = window->backgroundPicture();
    if (background.isNull()) {
        holder->clearPicture();
        return;
    }
    // A region as large as the window, starting under the holder; what lies outside is left empty.
    QPixmap copy(window->size());
    copy.fill(Qt::transparent);
    {
        QPainter painter(&copy);
        painter.drawPixmap(QPoint(0, 0), background, QRect(holder->pos(), window->size()));
    }
    holder->setPicture(copy);
}

void sbCenterControl(QWidget* window, QWidget* control, int mode) {
    if (!window || !control) return;
    QPoint at = control->pos();
    if (mode & 1) at.setX(CenteredOffset(window->width(), control->width()));
    if (mode & 2) at.setY(CenteredOffset(window->height(), control->height()));
    control->move(at);
}

}  // namespace ui
