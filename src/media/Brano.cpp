#include "Brano.h"

#include <QFileInfo>
#include <algorithm>

#include "BoundedFileReader.h"
#include "FrameHeader.h"
#include "GenreNames.h"
#include "frame/Cp1252.h"
#include "frame/Paths.h"

namespace media {

namespace {

constexpr int64_t kTagSize = 128;
constexpr uint32_t kXing = 0x58696E67;  // "Xing"

// The first position at or after `from` whose byte matches, or -1: a quick pass over the window
// before four bytes are put together.
template <typename Match>
int64_t nextByte(BoundedFileReader& file, int64_t from, Match match) {
    int64_t length = 0;
    for (int64_t pos = from;; pos += length) {
        const unsigned char* bytes = file.view(pos, &length);
        if (bytes == nullptr) return -1;
        for (int64_t i = 0; i < length; ++i) {
            if (match(bytes[i])) return pos + i;
        }
    }
}

// Position (from 0) of the first accepted frame header at or after `from`, or -1. Tag data before
// the audio is scanned like audio: nothing is skipped.
int64_t findFrameHeader(BoundedFileReader& file, int64_t from) {
    uint32_t quad = 0;
    for (int64_t pos = from; (pos = nextByte(file, pos, [](unsigned char b) { return b == 0xFF; })) >= 0;
         ++pos) {
        if (!file.quadAt(pos, &quad)) return -1;  // the last three bytes start no header
        if (isFrameHeader(quad)) return pos;
    }
    return -1;
}

// Whether a "Xing" header follows the frame header at headerPos before the next frame header.
bool findXing(BoundedFileReader& file, int64_t headerPos, int64_t* xingPos) {
    uint32_t quad = 0;
    const auto mayStart = [](unsigned char b) { return b == 0xFF || b == 'X'; };
    for (int64_t pos = headerPos + 4; (pos = nextByte(file, pos, mayStart)) >= 0; ++pos) {
        if (!file.quadAt(pos, &quad)) return false;
        if (quad == kXing) {
            *xingPos = pos;
            return true;
        }
        if (isFrameHeader(quad)) return false;
    }
    return false;
}

// A tag text field: the bytes up to the first zero, in the system's code page.
QString tagText(const QByteArray& tag, int offset, int size) {
    const char* start = tag.constData() + offset;
    int length = 0;
    while (length < size && start[length] != '\0') ++length;
    return frame::fromCp1252(start, length);
}

// The file a caller names: as given when it exists, otherwise with "\" taken as the separator and
// each component found without regard to case.
QString localPath(const QString& path) {
    if (QFileInfo::exists(path)) return path;
    QString native = path;
    native.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return frame::ResolvePath(native);
}

QString lastPathPart(const QString& path) {
    const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    return cut < 0 ? QString() : path.mid(cut + 1);
}

}  // namespace

QString Brano::flagText(bool set) {
    return set ? QStringLiteral("S\u00EC") : QStringLiteral("No");
}

void Brano::clear() {
    *this = Brano();
}

void Brano::setNomeFile(const QString& path) {
    clear();
    if (path.isEmpty()) return;
    BoundedFileReader file;
    if (!file.open(localPath(path))) return;
    read(file, path);
}

void Brano::read(BoundedFileReader& file, const QString& path) {
    const int64_t headerPos = findFrameHeader(file, 0);
    if (headerPos < 0) return;
    uint32_t header = 0;
    file.quadAt(headerPos, &header);
    const FrameHeaderInfo info = decodeFrameHeader(header);
    versionID_ = info.version;
    layerDescription_ = info.layer;
    sampleRate_ = QString::number(info.sampleRateHz);
    channelMode_ = info.channelMode;
    emphasis_ = info.emphasis;
    crc_ = info.crc;
    copyright_ = info.copyright;
    original_ = info.original;
    bitRate_ = QString::number(info.bitRateKbps);
    if (info.bitRateKbps == 0) {
        // Free format: no rate to time the file by; reading stops here.
        vbr_ = true;
        return;
    }

    durata_ = durationFromSize(file.size(), info.bitRateKbps);

    int64_t xingPos = 0;
    if (findXing(file, headerPos, &xingPos)) {
        vbr_ = true;
        uint32_t frames = 0;
        if (file.quadAt(xingPos + 8, &frames)) {
            durata_ = durationFromFrames(frames, info.samplesPerFrame, info.realSampleRateHz);
        }
    }

    nomeFile_ = lastPathPart(path);
    readTag(file);
}

void Brano::readTag(BoundedFileReader& file) {
    if (file.size() < kTagSize) return;
    const QByteArray tag = file.bytes(file.size() - kTagSize, kTagSize);
    if (tag.size() != kTagSize || !tag.startsWith("TAG")) return;
    titolo_ = tagText(tag, 3, 30);
    autore_ = tagText(tag, 33, 30);
    album_ = tagText(tag, 63, 30);
    anno_ = tagText(tag, 93, 4);
    commenti_ = tagText(tag, 97, 29);  // the zero that ends a version 1.1 comment belongs to it
    traccia_ = static_cast<uint8_t>(tag.at(126));
    genere_ = std::min<uint8_t>(static_cast<uint8_t>(tag.at(127)), kLastGenre);
}

}  // namespace media
