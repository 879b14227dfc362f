#pragma once
// Hand-made MP3 bytes for the reader's tests: frame headers, "Xing" frames, ID3 version 1 tags, and
// files made of a head, a zero-filled middle and a tail (large sizes cost no time or disk: the middle
// is a hole in the file).

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>

namespace mp3fixtures {

// MPEG-1 Layer III, 128 kbit/s, 44100 Hz, joint stereo, no CRC, original.
constexpr uint32_t kMpeg1Layer3At128 = 0xFFFB9064;

inline QByteArray headerBytes(uint32_t header) {
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i) b[i] = char((header >> (24 - 8 * i)) & 0xFF);
    return b;
}

inline QByteArray bigEndian32(uint32_t value) {
    return headerBytes(value);
}

// A first frame carrying a "Xing" header after 32 bytes of side information.
inline QByteArray xingFrame(uint32_t header, uint32_t frames) {
    return headerBytes(header) + QByteArray(32, '\0') + "Xing" + bigEndian32(0x0F) + bigEndian32(frames) +
           QByteArray(64, '\0');
}

struct TagFields {
    QByteArray title = {};
    QByteArray artist = {};
    QByteArray album = {};
    QByteArray year = {};
    QByteArray comment = {};  // up to 30 bytes in a version 1.0 tag, 28 in version 1.1
    int track = -1;           // -1: version 1.0 (no track byte)
    uint8_t genre = 0;
};

inline void put(QByteArray& tag, int offset, const QByteArray& text, int size) {
    for (int i = 0; i < size && i < text.size(); ++i) tag[offset + i] = text[i];
}

// The 128 bytes of an ID3 version 1 (or 1.1, when a track is given) tag.
inline QByteArray id3v1(const TagFields& f) {
    QByteArray tag(128, '\0');
    put(tag, 0, "TAG", 3);
    put(tag, 3, f.title, 30);
    put(tag, 33, f.artist, 30);
    put(tag, 63, f.album, 30);
    put(tag, 93, f.year, 4);
    if (f.track >= 0) {
        put(tag, 97, f.comment, 28);
        tag[125] = '\0';
        tag[126] = char(f.track);
    } else {
        put(tag, 97, f.comment, 30);
    }
    tag[127] = char(f.genre);
    return tag;
}

// Writes head, zeros up to size - tail.size(), then tail. Returns false on any failure.
inline bool writeFile(const QString& path, const QByteArray& head, int64_t size = -1,
                      const QByteArray& tail = QByteArray()) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    if (file.write(head) != head.size()) return false;
    if (size >= 0) {
        if (size < head.size() + tail.size() || !file.resize(size - tail.size())) return false;
        if (!file.seek(size - tail.size())) return false;
    }
    return file.write(tail) == tail.size();
}

}  // namespace mp3fixtures
