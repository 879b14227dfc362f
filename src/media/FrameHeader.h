#pragma once
// The MPEG audio frame header (MPEG-1, MPEG-2 and the unofficial MPEG 2.5): which four bytes count as
// a header, what they say in the catalogue's display texts, and the two playing-time rules.

#include <QString>
#include <cstdint>

namespace media {

// Four header bytes in file order as one number, the first byte most significant.
inline uint32_t headerFromBytes(const unsigned char* b) {
    return (uint32_t(b[0]) << 24) | (uint32_t(b[1]) << 16) | (uint32_t(b[2]) << 8) | uint32_t(b[3]);
}

// A usable frame header: eleven sync bits, and no reserved version, layer, bit-rate or sample-rate
// value.
bool isFrameHeader(uint32_t header);

struct FrameHeaderInfo {
    QString version;       // "MPEG 1.0 (ISO/IEC 11172-3)" ...
    QString layer;         // "Layer III" ...
    int bitRateKbps = 0;   // 0: free format
    int sampleRateHz = 0;  // the MPEG-1 value of the sample-rate index, whatever the version
    // What the frames really carry, for timing a "Xing" frame count: the version's own sample rate
    // (MPEG 2 halves the MPEG-1 rates, MPEG 2.5 quarters them) and the samples in one frame.
    int realSampleRateHz = 0;
    int samplesPerFrame = 0;
    QString channelMode;
    QString emphasis;  // empty for the reserved value
    bool crc = false;  // the frames carry a CRC
    bool copyright = false;
    bool original = false;
    bool layerI = false;
};

// Decodes a header that isFrameHeader accepts.
FrameHeaderInfo decodeFrameHeader(uint32_t header);

// The bit rate in kbit/s for the header's version bits (0 = 2.5, 2 = 2, 3 = 1), layer bits (1 = III,
// 2 = II, 3 = I) and bit-rate index 0..14; 0 for free format or an index outside the tables.
int bitRateKbps(int versionBits, int layerBits, int index);

// num / den rounded to the nearest whole number, halves to the even neighbour; den > 0.
int64_t roundHalfEven(int64_t num, int64_t den);

// Playing time of a constant-bit-rate file from its size: "mm:ss", minutes at least two digits.
QString durationFromSize(int64_t sizeBytes, int bitRateKbps);

// Playing time from the frame count of a "Xing" header, frames × samples per frame ÷ the real
// sample rate rounded (halves to even): "m:ss".
QString durationFromFrames(uint32_t frames, int samplesPerFrame, int realSampleRateHz);

}  // namespace media
