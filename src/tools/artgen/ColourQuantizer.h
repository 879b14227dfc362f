#pragma once
// Reduces a picture to at most 256 colours for the GIF writer: exact when the picture has few
// colours, median cut otherwise. Pixels at least half transparent become the transparent index 0;
// edge pixels are blended over a matte colour first, so anti-aliased symbols stay smooth on the
// background they are meant for.

#include <QColor>
#include <QImage>
#include <QList>
#include <QRgb>
#include <cstdint>
#include <vector>

namespace artgen {

struct IndexedPicture {
    int width = 0;
    int height = 0;
    QList<QRgb> palette;           // opaque colours; index 0 is the transparent one when used
    bool transparent = false;      // palette entry 0 stands for "no pixel"
    std::vector<uint8_t> indices;  // width * height, row by row
};

IndexedPicture quantize(const QImage& image, const QColor& matte);

}  // namespace artgen
