// Frame header acceptance and decoding from hand-made four-byte headers, the bit-rate tables and the
// two playing-time rules.

#include <gtest/gtest.h>

#include "media/FrameHeader.h"

using media::FrameHeaderInfo;

namespace {

struct HeaderCase {
    uint32_t header;
    const char* version;
    const char* layer;
    int kbps;
    int sampleRate;
    const char* channelMode;
    const char* emphasis;
    bool crc, copyright, original;
};

const HeaderCase kHeaders[] = {
    {0xFFFB9064, "MPEG 1.0 (ISO/IEC 11172-3)", "Layer III", 128, 44100, "Joint Stereo (Stereo)", "No", false,
     false, true},
    {0xFFFBE000, "MPEG 1.0 (ISO/IEC 11172-3)", "Layer III", 320, 44100, "Stereo", "No", false, false, false},
    {0xFFFEE4C9, "MPEG 1.0 (ISO/IEC 11172-3)", "Layer I", 448, 48000, "Single Channel (Mono)", "50/15 ms",
     true, true, false},
    {0xFFFDE883, "MPEG 1.0 (ISO/IEC 11172-3)", "Layer II", 384, 32000, "Dual Channel (Stereo)", "CCT J.17",
     false, false, false},
    // MPEG 2 and 2.5 show the MPEG-1 sample rate of the index and take the MPEG-2 bit-rate tables.
    {0xFFF38044, "MPEG 2.0 (ISO/IEC 13818-3)", "Layer III", 64, 44100, "Joint Stereo (Stereo)", "No", false,
     false, true},
    {0xFFF5E400, "MPEG 2.0 (ISO/IEC 13818-3)", "Layer II", 160, 48000, "Stereo", "No", false, false, false},
    {0xFFF7E002, "MPEG 2.0 (ISO/IEC 13818-3)", "Layer I", 256, 44100, "Stereo", "", false, false, false},
    {0xFFE34844, "MPEG 2.5 (unofficial)", "Layer III", 32, 32000, "Joint Stereo (Stereo)", "No", false, false,
     true},
    {0xFFE69000, "MPEG 2.5 (unofficial)", "Layer I", 144, 44100, "Stereo", "No", true, false, false},
    {0xFFFB0000, "MPEG 1.0 (ISO/IEC 11172-3)", "Layer III", 0, 44100, "Stereo", "No", false, false, false},
};

TEST(FrameHeader, DecodesEveryFieldIntoItsDisplayText) {
    for (const HeaderCase& c : kHeaders) {
        SCOPED_TRACE(testing::Message() << std::hex << c.header);
        ASSERT_TRUE(media::isFrameHeader(c.header));
        const FrameHeaderInfo info = media::decodeFrameHeader(c.header);
        EXPECT_EQ(info.version, c.version);
        EXPECT_EQ(info.layer, c.layer);
        EXPECT_EQ(info.bitRateKbps, c.kbps);
        EXPECT_EQ(info.sampleRateHz, c.sampleRate);
        EXPECT_EQ(info.channelMode, c.channelMode);
        EXPECT_EQ(info.emphasis, c.emphasis);
        EXPECT_EQ(info.crc, c.crc);
        EXPECT_EQ(info.copyright, c.copyright);
        EXPECT_EQ(info.original, c.original);
        EXPECT_EQ(info.layerI, info.layer == "Layer I");
    }
}

// The frame count of a "Xing" header is timed by what the frames really carry, not by the displayed
// MPEG-1 rate: MPEG 2 halves the rates, MPEG 2.5 quarters them, and Layer III frames of both are half
// as long as MPEG-1 ones.
TEST(FrameHeader, RealSampleRateAndFrameLength) {
    struct Case {
        uint32_t header;
        int realRate, samplesPerFrame;
    };
    const Case cases[] = {
        {0xFFFB9064, 44100, 1152}, {0xFFFEE4C9, 48000, 384},  {0xFFFDE883, 32000, 1152},  // MPEG 1
        {0xFFF38044, 22050, 576},  {0xFFF5E400, 24000, 1152}, {0xFFF7E002, 22050, 384},   // MPEG 2
        {0xFFE34844, 8000, 576},   {0xFFE69000, 11025, 384},                              // MPEG 2.5
    };
    for (const Case& c : cases) {
        const FrameHeaderInfo info = media::decodeFrameHeader(c.header);
        EXPECT_EQ(info.realSampleRateHz, c.realRate) << std::hex << c.header;
        EXPECT_EQ(info.samplesPerFrame, c.samplesPerFrame) << std::hex << c.header;
    }
}

TEST(FrameHeader, RejectsMissingSyncAndReservedValues) {
    const uint32_t rejected[] = {
        0x00000000,
        0xFFDB9064,  // the eleventh sync bit is 0
        0x7FFB9064,  // the first sync bit is 0
        0xFFEB9064,  // version 01 (reserved)
        0xFFF99064,  // layer 00 (reserved)
        0xFFFBF064,  // bit-rate index 1111
        0xFFFB9C64,  // sample-rate index 11
    };
    for (uint32_t header : rejected) EXPECT_FALSE(media::isFrameHeader(header)) << std::hex << header;
    // Fields the reader does not use never reject a header: padding, private bit, mode extension.
    EXPECT_TRUE(media::isFrameHeader(0xFFFB9330));
}

TEST(FrameHeader, BitRateTablesHaveTheStandardsValues) {
    struct Table {
        int version, layer;
        int values[15];
    };
    const Table tables[] = {
        {3, 3, {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448}},
        {3, 2, {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384}},
        {3, 1, {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320}},
        {2, 3, {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256}},
        {2, 2, {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}},
        {2, 1, {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}},
        {0, 3, {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256}},
        {0, 1, {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}},
    };
    for (const Table& t : tables) {
        for (int index = 0; index < 15; ++index) {
            EXPECT_EQ(media::bitRateKbps(t.version, t.layer, index), t.values[index])
                << "version " << t.version << " layer " << t.layer << " index " << index;
        }
    }
    EXPECT_EQ(media::bitRateKbps(3, 1, 15), 0);
}

TEST(Duration, RoundsHalvesToEven) {
    struct Case {
        int64_t num, den, expected;
    };
    const Case cases[] = {{5, 2, 2},   {7, 2, 4},  {3, 2, 2},   {1, 2, 0},  {11, 10, 1},
                          {16, 10, 2}, {-1, 2, 0}, {-3, 2, -2}, {-7, 5, -1}};
    for (const Case& c : cases)
        EXPECT_EQ(media::roundHalfEven(c.num, c.den), c.expected) << c.num << "/" << c.den;
}

TEST(Duration, FromSizeTakesOneSecondOffAndPadsMinutes) {
    struct Case {
        int64_t size;
        int kbps;
        const char* expected;
    };
    const Case cases[] = {
        {4000000, 128, "04:09"},        // 249 seconds
        {56000, 128, "00:02"},          // 2.5 rounds to 2
        {72000, 128, "00:04"},          // 3.5 rounds to 4
        {96016000, 128, "100:00"},      // minutes grow past two digits
        {4, 320, "00:00"},              // too short for a second: never a negative time
        {5000000000LL, 8, "83333:19"},  // sizes beyond 32 bits
    };
    for (const Case& c : cases) EXPECT_EQ(media::durationFromSize(c.size, c.kbps), c.expected) << c.size;
}

TEST(Duration, FromXingFrameCount) {
    struct Case {
        uint32_t frames;
        int samplesPerFrame;
        int realRate;
        const char* expected;
    };
    const Case cases[] = {
        {9000, 1152, 44100, "3:55"},    // 235.1 seconds
        {4938, 1152, 44100, "2:09"},    // 129 seconds: a zero before one-digit seconds
        {4977, 1152, 44100, "2:10"},    // 130 seconds
        {29285, 1152, 44100, "12:45"},  //
        {125, 1152, 32000, "0:04"},     // 4.5 rounds to 4
        {375, 1152, 32000, "0:14"},     // 13.5 rounds to 14
        {45938, 384, 44100, "6:40"},    // Layer I: 384 samples a frame
        {383, 576, 11025, "0:20"},      // MPEG 2.5 Layer III: 20.01 seconds, not 10
        {0, 1152, 48000, "0:00"},      {0xFFFFFFFF, 1152, 32000, "2576980:23"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(media::durationFromFrames(c.frames, c.samplesPerFrame, c.realRate), c.expected) << c.frames;
    }
}

}  // namespace
