#pragma once
// A small GIF89a encoder (one frame, global colour table, LZW), since Qt reads GIF but does not
// write it. Transparency uses a graphic control extension with palette index 0.

#include <QByteArray>
#include <QImage>
#include <QString>

#include "ColourQuantizer.h"

namespace artgen {

// The whole GIF file for an indexed picture.
QByteArray encodeGif(const IndexedPicture& picture);

// LZW-compressed image data as GIF stores it, before it is cut into sub-blocks.
QByteArray lzwCompress(const std::vector<uint8_t>& indices, int minCodeSize);

// Quantizes (transparent pixels over matte) and writes the file; false when it cannot be written.
bool writeGif(const QImage& image, const QColor& matte, const QString& path);

}  // namespace artgen
