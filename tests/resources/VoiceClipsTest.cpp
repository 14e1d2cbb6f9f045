// The five announcement clips are embedded byte for byte, and the sound
// service plays them straight from memory: a wrong header or size there is
// a silent or garbled announcement, so the committed files are checked here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct Clip {
    int number;
    std::size_t fileBytes;
    std::uint32_t rate;
    std::uint16_t bits;
    std::uint32_t fmtBytes;
    int centiseconds;
};

void PrintTo(const Clip& c, std::ostream* os) { *os << "clip" << c.number; }

std::uint32_t le(const std::vector<unsigned char>& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b.at(at + i);
    return v;
}

std::string id(const std::vector<unsigned char>& b, std::size_t at) {
    return std::string(b.begin() + at, b.begin() + at + 4);
}

class VoiceClip : public ::testing::TestWithParam<Clip> {};

TEST_P(VoiceClip, IsTheExpectedPcmWave) {
    const Clip& c = GetParam();
    const std::string path =
        std::string(FORTUVA_SOURCE_DIR) + "/resources/voice/clip" + std::to_string(c.number) + ".wav";
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << path;
    const std::vector<unsigned char> b{std::istreambuf_iterator<char>(in), {}};

    ASSERT_EQ(b.size(), c.fileBytes);
    EXPECT_EQ(id(b, 0), "RIFF");
    EXPECT_EQ(le(b, 4, 4), b.size() - 8);
    EXPECT_EQ(id(b, 8), "WAVE");

    ASSERT_EQ(id(b, 12), "fmt ");
    ASSERT_EQ(le(b, 16, 4), c.fmtBytes);
    EXPECT_EQ(le(b, 20, 2), 1u);  // PCM
    EXPECT_EQ(le(b, 22, 2), 1u);  // mono
    EXPECT_EQ(le(b, 24, 4), c.rate);
    const std::uint32_t block = c.bits / 8;
    EXPECT_EQ(le(b, 28, 4), c.rate * block);
    EXPECT_EQ(le(b, 32, 2), block);
    EXPECT_EQ(le(b, 34, 2), c.bits);
    if (c.fmtBytes == 18) {
        EXPECT_EQ(le(b, 36, 2), 0u);  // cbSize: no extra format bytes
    }

    // The data chunk follows the format chunk and fills the rest of the file.
    const std::size_t data = 20 + c.fmtBytes;
    ASSERT_EQ(id(b, data), "data");
    const std::uint32_t dataBytes = le(b, data + 4, 4);
    ASSERT_EQ(data + 8 + dataBytes, b.size());
    ASSERT_EQ(dataBytes % block, 0u);
    const double samples = dataBytes / block;
    EXPECT_EQ(static_cast<int>(samples * 100 / c.rate + 0.5), c.centiseconds);

    // An announcement that is all silence would pass every header check.
    int peak = 0;
    for (std::size_t i = data + 8; i < b.size(); i += block) {
        const int s = c.bits == 8 ? b[i] - 128 : static_cast<std::int16_t>(le(b, i, 2)) / 256;
        peak = std::max(peak, std::abs(s));
    }
    EXPECT_GT(peak, 32);
}

INSTANTIATE_TEST_SUITE_P(Embedded, VoiceClip,
                         ::testing::Values(Clip{0, 10784, 44100, 8, 16, 24},
                                           Clip{1, 107660, 16000, 16, 16, 336},
                                           Clip{2, 68364, 22050, 16, 18, 155},
                                           Clip{3, 80940, 16000, 16, 16, 253},
                                           Clip{4, 40044, 16000, 16, 16, 125}));

}  // namespace
