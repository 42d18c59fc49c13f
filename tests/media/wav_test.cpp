#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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

TEST(SoundEffect, IsSixteenBitPcmOfHalfAMinuteOrMore) {
    const Wave w = readWave(readBytes(mediaDir() / "bv_soundfx.wav"));
    EXPECT_EQ(w.format, 1);
    EXPECT_EQ(w.bits, 16);
    EXPECT_TRUE(w.channels == 1 || w.channels == 2);
    EXPECT_TRUE(w.rate == 22050 || w.rate == 44100);
    ASSERT_GT(w.rate, 0);
    const double seconds = double(w.samples.size()) / w.channels / w.rate;
    EXPECT_GE(seconds, 30.0);
    EXPECT_LE(seconds, 60.0) << "more than the effect needs to hold in memory";
    const auto [low, high] = std::minmax_element(w.samples.begin(), w.samples.end());
    EXPECT_GT(*high - *low, 10000) << "too quiet to hear";
}

// Across the seam the wave carries on as it does between any two neighbours:
// the step from the last sample to the first, and the bend (second
// difference) at both sides of the seam, are no larger than almost all of
// those inside the loop.
TEST(SoundEffect, LoopsWithoutAClick) {
    const Wave w = readWave(readBytes(mediaDir() / "bv_soundfx.wav"));
    ASSERT_EQ(w.channels, 1);
    const auto& s = w.samples;
    const std::size_t n = s.size();
    ASSERT_GT(n, 1000u);
    const auto at = [&](std::size_t i) { return int(s[i % n]); };  // round the loop
    const auto step = [&](std::size_t i) { return std::abs(at(i + 1) - at(i)); };
    const auto bend = [&](std::size_t i) { return std::abs(at(i + 2) - 2 * at(i + 1) + at(i)); };
    std::vector<int> steps, bends;
    for (std::size_t i = 0; i + 2 < n; ++i) {
        steps.push_back(step(i));
        bends.push_back(bend(i));
    }
    std::sort(steps.begin(), steps.end());
    std::sort(bends.begin(), bends.end());
    EXPECT_LE(step(n - 1), steps[steps.size() * 95 / 100]) << "the last sample jumps to the first";
    EXPECT_LE(bend(n - 2), bends[bends.size() * 95 / 100]) << "the wave kinks at the seam";
    EXPECT_LE(bend(n - 1), bends[bends.size() * 95 / 100]) << "the wave kinks at the seam";
}

// The bubbles fall at no regular interval: the loudness envelope (10 ms
// steps) matches no shifted copy of itself, as a shorter loop repeated
// inside the file would.
TEST(SoundEffect, HoldsNoShorterRepeat) {
    const Wave w = readWave(readBytes(mediaDir() / "bv_soundfx.wav"));
    ASSERT_GT(w.rate, 0);
    const std::size_t hop = static_cast<std::size_t>(w.rate / 100);
    std::vector<double> envelope;
    for (std::size_t i = 0; i + hop <= w.samples.size(); i += hop) {
        double sum = 0;
        for (std::size_t j = i; j < i + hop; ++j) sum += double(w.samples[j]) * w.samples[j];
        envelope.push_back(std::sqrt(sum / hop));
    }
    ASSERT_GT(envelope.size(), 200u);
    double mean = 0;
    for (const double e : envelope) mean += e / envelope.size();
    double variance = 0;
    for (double& e : envelope) {
        e -= mean;
        variance += e * e;
    }
    const std::size_t m = envelope.size();
    double closest = 0;
    for (std::size_t lag = 50; lag <= m / 2; ++lag) {  // half a second and more
        double sum = 0;
        for (std::size_t i = 0; i < m; ++i) sum += envelope[i] * envelope[(i + lag) % m];
        closest = std::max(closest, sum / variance);
    }
    EXPECT_LT(closest, 0.6);
}

}  // namespace
