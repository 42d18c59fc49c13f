#include "sound/wave_loop.h"

#include <gtest/gtest.h>

#include <vector>

#include "test_media.h"

namespace bv {
namespace {

// Pulls in the uneven pieces an audio output might ask for.
std::string PullInPieces(WaveLoop& loop, std::size_t total) {
    std::string pulled;
    for (std::size_t piece = 1; pulled.size() < total; piece = piece * 3 % 1013 + 7) {
        std::vector<unsigned char> buffer(std::min(piece, total - pulled.size()));
        loop.Pull(buffer);
        pulled.append(buffer.begin(), buffer.end());
    }
    return pulled;
}

TEST(WaveLoop, RepeatsTheSamplesWithoutAGap) {
    const std::string samples = test::RampSamples16(301);
    WaveLoop loop(samples, 0);
    const std::size_t total = samples.size() * 7 + 123;  // several loops and a part
    const std::string pulled = PullInPieces(loop, total);
    for (std::size_t at = 0; at < total; at += samples.size()) {
        const std::size_t length = std::min(samples.size(), total - at);
        ASSERT_EQ(pulled.substr(at, length), samples.substr(0, length)) << "repeat at " << at;
    }
}

TEST(WaveLoop, ASingleFrameFillsAWholeBuffer) {
    WaveLoop loop(std::string("\x12\x34", 2), 0);
    std::vector<unsigned char> buffer(9, 0);
    loop.Pull(buffer);
    EXPECT_EQ(buffer,
              (std::vector<unsigned char>{0x12, 0x34, 0x12, 0x34, 0x12, 0x34, 0x12, 0x34, 0x12}));
}

TEST(WaveLoop, NoSamplesGiveSilence) {
    WaveLoop loop("", 0x80);
    std::vector<unsigned char> buffer(16, 0);
    loop.Pull(buffer);
    EXPECT_EQ(buffer, std::vector<unsigned char>(16, 0x80));
}

}  // namespace
}  // namespace bv
