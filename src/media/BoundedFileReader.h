#pragma once
// Random access to a file's bytes through one small window, so large files are never loaded whole
// and nothing is ever asked for beyond the file's last byte.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>

namespace media {

class BoundedFileReader {
public:
    // Opens the file for reading; false when it does not exist or cannot be opened.
    bool open(const QString& path);
    int64_t size() const { return size_; }

    // Four bytes at pos (counted from 0) as a big-endian number; false when they do not all lie
    // inside the file.
    bool quadAt(int64_t pos, uint32_t* out) {
        if (pos < 0 || pos + 4 > size_) return false;
        if (pos < windowStart_ || pos + 4 > windowStart_ + window_.size()) {
            if (!fill(pos, 4)) return false;
        }
        const auto* b = reinterpret_cast<const unsigned char*>(window_.constData() + (pos - windowStart_));
        *out = (uint32_t(b[0]) << 24) | (uint32_t(b[1]) << 16) | (uint32_t(b[2]) << 8) | uint32_t(b[3]);
        return true;
    }

    // The bytes from pos to the end of the window, moving the window to pos when pos lies outside it;
    // nullptr at the end of the file.
    const unsigned char* view(int64_t pos, int64_t* length);

    // Up to count bytes from pos, cut at the end of the file.
    QByteArray bytes(int64_t pos, int64_t count);

private:
    // Loads the window at pos; false unless at least `needed` bytes arrived.
    bool fill(int64_t pos, int64_t needed);

    QFile file_;
    int64_t size_ = 0;
    QByteArray window_;
    int64_t windowStart_ = 0;
};

}  // namespace media
