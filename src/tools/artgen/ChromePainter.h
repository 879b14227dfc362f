#pragma once
// The window chrome of a skin: the body texture, the frame with its title band, and the nine frame
// pieces cut from one drawing so that they join without seams.

#include <QImage>
#include <QPainter>
#include <QString>

#include "SkinStyle.h"

namespace artgen {

// Measures of the chrome shared by all pieces.
struct ChromeMetrics {
    static constexpr int kTitle = 22;    // height of the top pieces (the title band)
    static constexpr int kCorner = 16;   // width of the corner and top/bottom edge pieces
    static constexpr int kSide = 5;      // width of the left and right edges
    static constexpr int kBottom = 5;    // height of the bottom pieces
    static constexpr int kEdgeRun = 16;  // length of one left/right edge piece
    static constexpr int kCenter = 48;   // side of the body tile
};

QImage bodyTile(const SkinStyle& style);  // "center.jpg": seamless body texture
void fillBody(QPainter& p, const QRect& area, const SkinStyle& style);
void paintFrame(QPainter& p, int width, int height, const SkinStyle& style);

struct FramePiece {
    QString fileName;
    QImage image;
};
// The nine frame pictures in the order the skin holder loads them.
QList<FramePiece> framePieces(const SkinStyle& style);

// A window of the given size painted the way the skinned windows paint themselves.
QImage paintedWindow(int width, int height, const SkinStyle& style);

}  // namespace artgen
