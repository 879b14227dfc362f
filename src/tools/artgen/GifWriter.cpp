#include "GifWriter.h"

#include <QFile>
#include <unordered_map>

namespace artgen {

namespace {

constexpr int kMaxCodes = 4096;  // GIF codes are at most 12 bits

// Packs variable-width codes least significant bit first.
class BitPacker {
public:
    void put(int code, int width) {
        buffer_ |= static_cast<uint32_t>(code) << bits_;
        bits_ += width;
        while (bits_ >= 8) {
            out_.append(static_cast<char>(buffer_ & 0xFF));
            buffer_ >>= 8;
            bits_ -= 8;
        }
    }
    QByteArray finish() {
        if (bits_ > 0) out_.append(static_cast<char>(buffer_ & 0xFF));
        bits_ = 0;
        buffer_ = 0;
        return out_;
    }

private:
    QByteArray out_;
    uint32_t buffer_ = 0;
    int bits_ = 0;
};

void putWord(QByteArray& out, int value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

int bitsFor(int colours) {
    int bits = 1;
    while ((1 << bits) < colours) ++bits;
    return bits;
}

}  // namespace

QByteArray lzwCompress(const std::vector<uint8_t>& indices, int minCodeSize) {
    const int clear = 1 << minCodeSize, end = clear + 1;
    BitPacker packer;
    std::unordered_map<uint32_t, int> table;
    int codeSize = minCodeSize + 1, next = end + 1;
    packer.put(clear, codeSize);
    if (indices.empty()) {
        packer.put(end, codeSize);
        return packer.finish();
    }
    int prefix = indices[0];
    for (size_t i = 1; i < indices.size(); ++i) {
        const int k = indices[i];
        const uint32_t key = (static_cast<uint32_t>(prefix) << 8) | static_cast<uint32_t>(k);
        auto found = table.find(key);
        if (found != table.end()) {
            prefix = found->second;
            continue;
        }
        packer.put(prefix, codeSize);
        if (next < kMaxCodes) {
            table.emplace(key, next);
            // The reader widens its codes one entry later than we add them.
            if (next == (1 << codeSize) && codeSize < 12) ++codeSize;
            ++next;
        } else {
            packer.put(clear, codeSize);
            table.clear();
            codeSize = minCodeSize + 1;
            next = end + 1;
        }
        prefix = k;
    }
    packer.put(prefix, codeSize);
    packer.put(end, codeSize);
    return packer.finish();
}

QByteArray encodeGif(const IndexedPicture& picture) {
    const int bits = bitsFor(std::max<int>(2, static_cast<int>(picture.palette.size())));
    QByteArray out("GIF89a");
    putWord(out, picture.width);
    putWord(out, picture.height);
    out.append(static_cast<char>(0x80 | (7 << 4) | (bits - 1)));  // global table, 8-bit source
    out.append('\0');                                             // background colour index
    out.append('\0');                                             // square pixels
    for (int i = 0; i < (1 << bits); ++i) {
        const QRgb c = i < picture.palette.size() ? picture.palette[i] : qRgb(0, 0, 0);
        out.append(static_cast<char>(qRed(c)));
        out.append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qBlue(c)));
    }
    if (picture.transparent) {
        out.append("\x21\xF9\x04\x01", 4);  // graphic control: transparent colour given
        putWord(out, 0);                    // no delay
        out.append('\0');                   // transparent index
        out.append('\0');
    }
    out.append('\x2C');
    putWord(out, 0);
    putWord(out, 0);
    putWord(out, picture.width);
    putWord(out, picture.height);
    out.append('\0');  // no local table, not interlaced

    const int minCodeSize = std::max(2, bits);
    out.append(static_cast<char>(minCodeSize));
    const QByteArray data = lzwCompress(picture.indices, minCodeSize);
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const qsizetype n = std::min<qsizetype>(255, data.size() - at);
        out.append(static_cast<char>(n));
        out.append(data.constData() + at, n);
    }
    out.append('\0');  // end of image data
    out.append('\x3B');
    return out;
}

bool writeGif(const QImage& image, const QColor& matte, const QString& path) {
    const QByteArray bytes = encodeGif(quantize(image, matte));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return file.write(bytes) == bytes.size() && file.flush();
}

}  // namespace artgen
