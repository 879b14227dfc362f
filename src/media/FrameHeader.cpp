#include "FrameHeader.h"

namespace media {

namespace {

// Bit-rate tables in kbit/s, index 0 (free format) to 14.
constexpr int kMpeg1LayerI[15] = {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448};
constexpr int kMpeg1LayerII[15] = {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384};
constexpr int kMpeg1LayerIII[15] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
constexpr int kMpeg2LayerI[15] = {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256};
constexpr int kMpeg2LayersIIandIII[15] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};

constexpr int kVersion25 = 0, kVersion2 = 2, kVersion1 = 3;
constexpr int kLayerIII = 1, kLayerII = 2, kLayerI = 3;

// The sample rates of MPEG-1; the display shows them for every version.
constexpr int kSampleRates[3] = {44100, 48000, 32000};

int versionBits(uint32_t h) {
    return (h >> 19) & 3;
}
int layerBits(uint32_t h) {
    return (h >> 17) & 3;
}
int bitRateIndex(uint32_t h) {
    return (h >> 12) & 0xF;
}
int sampleRateIndex(uint32_t h) {
    return (h >> 10) & 3;
}

// Layer I frames hold 384 samples, Layer II 1152; Layer III 1152 in MPEG 1 and 576 in MPEG 2 and 2.5.
int samplesPerFrame(int version, int layer) {
    if (layer == kLayerI) return 384;
    if (layer == kLayerIII && version != kVersion1) return 576;
    return 1152;
}

QString twoDigits(int64_t n) {
    return QString::number(n).rightJustified(2, QLatin1Char('0'));
}

}  // namespace

bool isFrameHeader(uint32_t h) {
    return (h & 0xFFE00000u) == 0xFFE00000u && versionBits(h) != 1 && layerBits(h) != 0 &&
           bitRateIndex(h) != 15 && sampleRateIndex(h) != 3;
}

int bitRateKbps(int version, int layer, int index) {
    if (index < 0 || index > 14) return 0;
    if (version == kVersion1) {
        if (layer == kLayerI) return kMpeg1LayerI[index];
        if (layer == kLayerII) return kMpeg1LayerII[index];
        return kMpeg1LayerIII[index];
    }
    if (layer == kLayerI) return kMpeg2LayerI[index];
    return kMpeg2LayersIIandIII[index];
}

FrameHeaderInfo decodeFrameHeader(uint32_t h) {
    FrameHeaderInfo info;
    switch (versionBits(h)) {
        case kVersion25:
            info.version = QStringLiteral("MPEG 2.5 (unofficial)");
            break;
        case kVersion2:
            info.version = QStringLiteral("MPEG 2.0 (ISO/IEC 13818-3)");
            break;
        case kVersion1:
            info.version = QStringLiteral("MPEG 1.0 (ISO/IEC 11172-3)");
            break;
        default:
            break;
    }
    switch (layerBits(h)) {
        case kLayerIII:
            info.layer = QStringLiteral("Layer III");
            break;
        case kLayerII:
            info.layer = QStringLiteral("Layer II");
            break;
        case kLayerI:
            info.layer = QStringLiteral("Layer I");
            break;
        default:
            break;
    }
    info.layerI = layerBits(h) == kLayerI;
    info.bitRateKbps = bitRateKbps(versionBits(h), layerBits(h), bitRateIndex(h));
    if (sampleRateIndex(h) < 3) {
        info.sampleRateHz = kSampleRates[sampleRateIndex(h)];
        const int divisor = versionBits(h) == kVersion1 ? 1 : versionBits(h) == kVersion2 ? 2 : 4;
        info.realSampleRateHz = info.sampleRateHz / divisor;
    }
    info.samplesPerFrame = samplesPerFrame(versionBits(h), layerBits(h));
    switch ((h >> 6) & 3) {
        case 0:
            info.channelMode = QStringLiteral("Stereo");
            break;
        case 1:
            info.channelMode = QStringLiteral("Joint Stereo (Stereo)");
            break;
        case 2:
            info.channelMode = QStringLiteral("Dual Channel (Stereo)");
            break;
        default:
            info.channelMode = QStringLiteral("Single Channel (Mono)");
            break;
    }
    switch (h & 3) {
        case 0:
            info.emphasis = QStringLiteral("No");
            break;
        case 1:
            info.emphasis = QStringLiteral("50/15 ms");
            break;
        case 3:
            info.emphasis = QStringLiteral("CCT J.17");
            break;
        default:
            break;  // reserved: no text
    }
    info.crc = ((h >> 16) & 1) == 0;
    info.copyright = ((h >> 3) & 1) == 1;
    info.original = ((h >> 2) & 1) == 1;
    return info;
}

int64_t roundHalfEven(int64_t num, int64_t den) {
    int64_t q = num / den;
    int64_t r = num % den;
    if (r < 0) {  // floor division
        q -= 1;
        r += den;
    }
    if (2 * r > den || (2 * r == den && (q & 1) != 0)) ++q;
    return q;
}

QString durationFromSize(int64_t sizeBytes, int kbps) {
    if (kbps <= 0) return QString();
    // size × 8 ÷ 1000 ÷ rate − 1, in exact integers; a file too short for a second reads 00:00
    // instead of a negative time.
    const int64_t den = int64_t(1000) * kbps;
    int64_t total = roundHalfEven(sizeBytes * 8 - den, den);
    if (total < 0) total = 0;
    return twoDigits(total / 60) + QLatin1Char(':') + twoDigits(total % 60);
}

QString durationFromFrames(uint32_t frames, int samplesPerFrame, int realSampleRateHz) {
    if (realSampleRateHz <= 0) return QString();
    // The displayed (MPEG-1) rate would time an MPEG 2.5 file at half its length: the frames play at
    // the rate of their own version.
    const int64_t total = roundHalfEven(int64_t(samplesPerFrame) * int64_t(frames), realSampleRateHz);
    const int64_t seconds = total % 60;
    return QString::number(total / 60) + (seconds > 9 ? QStringLiteral(":") : QStringLiteral(":0")) +
           QString::number(seconds);
}

}  // namespace media
