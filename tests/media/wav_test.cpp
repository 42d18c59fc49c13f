#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "media_files.h"
#include "sound/wave_format.h"
#include "test_support.h"

using namespace media_test;

namespace {

class SoundEffect : public ::testing::Test {
protected:
    void SetUp() override {
        const auto wave = bv::ParseWave(image_);
        ASSERT_TRUE(wave) << "bv_soundfx.wav is no wave the program plays";
        pcm_ = *wave;
        ASSERT_EQ(pcm_.bitsPerSample, 16);
        for (std::size_t i = 0; i + 1 < pcm_.samples.size(); i += 2)
            samples_.push_back(
                static_cast<std::int16_t>(static_cast<std::uint8_t>(pcm_.samples[i]) |
                                          static_cast<std::uint8_t>(pcm_.samples[i + 1]) << 8));
    }
    const std::string image_ = bv::test::ReadBytes((mediaDir() / "bv_soundfx.wav").string());
    bv::WavePcm pcm_;
    std::vector<int> samples_;
};

TEST_F(SoundEffect, IsHalfAMinuteOrMoreOfAudibleSixteenBitSound) {
    EXPECT_TRUE(pcm_.sampleRate == 22050 || pcm_.sampleRate == 44100);
    const double seconds = double(samples_.size()) / pcm_.channels / pcm_.sampleRate;
    EXPECT_GE(seconds, 30.0);
    EXPECT_LE(seconds, 60.0) << "more than the effect needs to hold in memory";
    const auto [low, high] = std::minmax_element(samples_.begin(), samples_.end());
    EXPECT_GT(*high - *low, 10000) << "too quiet to hear";
}

// Across the seam the wave carries on as it does between any two neighbours:
// the step from the last sample to the first, and the bend (second
// difference) at both sides of the seam, are no larger than almost all of
// those inside the loop.
TEST_F(SoundEffect, LoopsWithoutAClick) {
    ASSERT_EQ(pcm_.channels, 1);
    const std::size_t n = samples_.size();
    ASSERT_GT(n, 1000u);
    const auto at = [&](std::size_t i) { return samples_[i % n]; };  // round the loop
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
TEST_F(SoundEffect, HoldsNoShorterRepeat) {
    const std::size_t hop = static_cast<std::size_t>(pcm_.sampleRate / 100);
    std::vector<double> envelope;
    for (std::size_t i = 0; i + hop <= samples_.size(); i += hop) {
        double sum = 0;
        for (std::size_t j = i; j < i + hop; ++j) sum += double(samples_[j]) * samples_[j];
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
