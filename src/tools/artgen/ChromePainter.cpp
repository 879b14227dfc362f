#include "ChromePainter.h"

#include <QPainterPath>

namespace artgen {

namespace {

using M = ChromeMetrics;

// A fixed per-pixel grain, the same for every run, that repeats with the tile.
int grainAt(int x, int y, int amplitude) {
    if (amplitude == 0) return 0;
    uint32_t h =
        static_cast<uint32_t>(x % M::kCenter) * 73856093u ^ static_cast<uint32_t>(y % M::kCenter) * 19349663u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return static_cast<int>(h % (2 * amplitude + 1)) - amplitude;
}

QColor shifted(const QColor& c, int d) {
    return QColor(qBound(0, c.red() + d, 255), qBound(0, c.green() + d, 255), qBound(0, c.blue() + d, 255));
}

}  // namespace

QImage bodyTile(const SkinStyle& style) {
    QImage tile(M::kCenter, M::kCenter, QImage::Format_RGB32);
    for (int y = 0; y < tile.height(); ++y)
        for (int x = 0; x < tile.width(); ++x)
            tile.setPixel(x, y, shifted(style.body, grainAt(x, y, style.grain)).rgb());
    return tile;
}

void fillBody(QPainter& p, const QRect& area, const SkinStyle& style) {
    // Tiled from the window's corner, exactly as the windows tile the centre picture.
    p.drawTiledPixmap(area, QPixmap::fromImage(bodyTile(style)), area.topLeft());
}

void paintFrame(QPainter& p, int w, int h, const SkinStyle& s) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    // Title band: a vertical gradient with gloss on its upper half and an accent line below.
    QLinearGradient band(0, 0, 0, M::kTitle);
    band.setColorAt(0, s.titleTop);
    band.setColorAt(1, s.titleBottom);
    p.fillRect(0, 0, w, M::kTitle, band);
    p.fillRect(1, 1, w - 2, M::kTitle / 2 - 1, s.titleGloss);
    p.fillRect(0, M::kTitle - 2, w, 1, s.titleLine);
    p.fillRect(0, M::kTitle - 1, w, 1, s.frameShadow);

    // Side and bottom edges: face between an outer line, a bevel highlight and an inner shadow.
    p.fillRect(0, M::kTitle, M::kSide, h - M::kTitle, s.frameFace);
    p.fillRect(w - M::kSide, M::kTitle, M::kSide, h - M::kTitle, s.frameFace);
    p.fillRect(0, h - M::kBottom, w, M::kBottom, s.frameFace);
    p.fillRect(1, M::kTitle, 1, h - M::kTitle - 1, s.frameLight);
    p.fillRect(w - M::kSide + 1, M::kTitle, 1, h - M::kTitle - M::kBottom + 1, s.frameLight);
    p.fillRect(M::kSide - 1, M::kTitle, 1, h - M::kTitle - M::kBottom + 1, s.frameShadow);
    p.fillRect(w - 2, M::kTitle, 1, h - M::kTitle - 1, s.frameShadow);
    p.fillRect(M::kSide - 1, h - M::kBottom, w - 2 * M::kSide + 2, 1, s.frameShadow);
    p.fillRect(2, h - 2, w - 3, 1, s.frameShadow);

    // Outer line and a light top rim on the band.
    p.fillRect(1, 1, w - 2, 1, shifted(s.titleTop, 40));
    p.setPen(s.frameOuter);
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, w - 1, h - 1);
    p.restore();
}

QList<FramePiece> framePieces(const SkinStyle& style) {
    // One reference window wide and tall enough that every piece is cut from a plain stretch.
    const int w = M::kCorner * 4, h = M::kTitle + M::kEdgeRun * 3 + M::kBottom;
    QImage ref(w, h, QImage::Format_RGB32);
    {
        QPainter p(&ref);
        fillBody(p, ref.rect(), style);
        paintFrame(p, w, h, style);
    }
    auto cut = [&](const char* name, int x, int y, int cw, int ch) {
        return FramePiece{name, ref.copy(x, y, cw, ch)};
    };
    return {
        cut("top_left.jpg", 0, 0, M::kCorner, M::kTitle),
        cut("top.jpg", M::kCorner, 0, M::kCorner, M::kTitle),
        cut("top_right.jpg", w - M::kCorner, 0, M::kCorner, M::kTitle),
        cut("left.jpg", 0, M::kTitle, M::kSide, M::kEdgeRun),
        FramePiece{"center.jpg", bodyTile(style)},
        cut("right.jpg", w - M::kSide, M::kTitle, M::kSide, M::kEdgeRun),
        cut("bottom_left.jpg", 0, h - M::kBottom, M::kCorner, M::kBottom),
        cut("bottom.jpg", M::kCorner, h - M::kBottom, M::kCorner, M::kBottom),
        cut("bottom_right.jpg", w - M::kCorner, h - M::kBottom, M::kCorner, M::kBottom),
    };
}

QImage paintedWindow(int width, int height, const SkinStyle& style) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    fillBody(p, image.rect(), style);
    paintFrame(p, width, height, style);
    return image;
}

}  // namespace artgen
