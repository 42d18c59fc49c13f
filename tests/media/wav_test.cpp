#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "media_files.h"

using namespace media_test;

namespace {

std::uint32_t le(const std::vector<std::uint8_t>& b, std::size_t at, int n) {
    std::uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = (v << 8) | b[at + static_cast<std::size_t>(i)];
    return v;
}

struct Wave {
    int channels = 0;
    int rate = 0;
    int bits = 0;
    int format = 0;
    std::vector<std::int16_t> samples;
};

Wave readWave(const std::vector<std::uint8_t>& b) {
    Wave w;
    if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) != 0 ||
        std::memcmp(b.data() + 8, "WAVE", 4) != 0)
        return w;
    std::size_t at = 12;
    while (at + 8 <= b.size()) {
        const std::string id(b.begin() + static_cast<long>(at),
                             b.begin() + static_cast<long>(at) + 4);
        const std::uint32_t size = le(b, at + 4, 4);
        if (id == "fmt ") {
            w.format = static_cast<int>(le(b, at + 8, 2));
            w.channels = static_cast<int>(le(b, at + 10, 2));
            w.rate = static_cast<int>(le(b, at + 12, 4));
            w.bits = static_cast<int>(le(b, at + 22, 2));
        } else if (id == "data") {
            for (std::size_t i = 0; i + 1 < size && at + 9 + i < b.size(); i += 2)
                w.samples.push_back(static_cast<std::int16_t>(le(b, at + 8 + i, 2)));
        }
        at += 8 + size + (size & 1);
    }
    return w;
}

TEST(SoundEffect, IsSixteenBitPcmOfAFewSeconds) {
    const Wave w = readWave(readBytes(mediaDir() / "bv_soundfx.wav"));
    EXPECT_EQ(w.format, 1);
    EXPECT_EQ(w.bits, 16);
    EXPECT_TRUE(w.channels == 1 || w.channels == 2);
    EXPECT_TRUE(w.rate == 22050 || w.rate == 44100);
    ASSERT_GT(w.rate, 0);
    const double seconds = double(w.samples.size()) / w.channels / w.rate;
    EXPECT_GE(seconds, 2.0);
    EXPECT_LE(seconds, 15.0);
    const auto [low, high] = std::minmax_element(w.samples.begin(), w.samples.end());
    EXPECT_GT(*high - *low, 10000) << "too quiet to hear";
}

TEST(SoundEffect, LoopsWithoutAClick) {
    const Wave w = readWave(readBytes(mediaDir() / "bv_soundfx.wav"));
    ASSERT_EQ(w.channels, 1);
    ASSERT_GT(w.samples.size(), 1000u);
    std::vector<int> steps;
    for (std::size_t i = 1; i < w.samples.size(); ++i)
        steps.push_back(std::abs(w.samples[i] - w.samples[i - 1]));
    std::sort(steps.begin(), steps.end());
    const int typical = steps[steps.size() * 95 / 100];
    const int seam = std::abs(w.samples.front() - w.samples.back());
    EXPECT_LE(seam, typical) << "the jump from the last sample to the first is a click";
}

}  // namespace
