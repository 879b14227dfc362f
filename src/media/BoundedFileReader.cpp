#include "BoundedFileReader.h"

#include <algorithm>

namespace media {

namespace {
// The first frame and its "Xing" header lie well inside this; a longer scan moves the window along.
constexpr int64_t kWindowSize = 16 * 1024;
}  // namespace

bool BoundedFileReader::open(const QString& path) {
    file_.setFileName(path);
    if (!file_.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return false;
    size_ = file_.size();
    window_.clear();
    windowStart_ = 0;
    return true;
}

bool BoundedFileReader::fill(int64_t pos, int64_t needed) {
    const int64_t length = std::min(kWindowSize, size_ - pos);
    if (length < needed || !file_.seek(pos)) return false;
    window_.resize(length);
    const int64_t got = file_.read(window_.data(), length);
    if (got < 0) {
        window_.clear();
        return false;
    }
    window_.resize(got);  // the file may have shrunk since it was opened
    windowStart_ = pos;
    return got >= needed;
}

const unsigned char* BoundedFileReader::view(int64_t pos, int64_t* length) {
    if (pos < 0 || pos >= size_) return nullptr;
    if (pos < windowStart_ || pos >= windowStart_ + window_.size()) {
        if (!fill(pos, 1)) return nullptr;
    }
    *length = windowStart_ + window_.size() - pos;
    return reinterpret_cast<const unsigned char*>(window_.constData() + (pos - windowStart_));
}

QByteArray BoundedFileReader::bytes(int64_t pos, int64_t count) {
    if (pos < 0 || pos >= size_ || count <= 0) return QByteArray();
    count = std::min(count, size_ - pos);
    if (pos >= windowStart_ && pos + count <= windowStart_ + window_.size())
        return window_.mid(pos - windowStart_, count);
    if (!file_.seek(pos)) return QByteArray();
    return file_.read(count);
}

}  // namespace media
