#include <gtest/gtest.h>

#include <vector>

#include "sound/wave_format.h"
#include "sound/wave_loop.h"
#include "sound_test_support.h"

namespace bv {
namespace {

using test::WaveImage;

TEST(WaveFormat, ReadsEachSupportedSampleFormat) {
    for (int channels : {1, 2}) {
        for (int bits : {8, 16}) {
            const std::string samples(static_cast<std::size_t>(channels * bits / 8 * 10), 'a');
            const std::string image = WaveImage({22050, channels, bits, 1, samples, {}});
            const auto pcm = ParseWave(image);
            ASSERT_TRUE(pcm) << channels << " channels, " << bits << " bits";
            EXPECT_EQ(pcm->sampleRate, 22050);
            EXPECT_EQ(pcm->channels, channels);
            EXPECT_EQ(pcm->bitsPerSample, bits);
            EXPECT_EQ(pcm->samples, samples);
            EXPECT_EQ(pcm->samples.data(), image.data() + image.size() - samples.size())
                << "the samples are a view into the image";
        }
    }
}

TEST(WaveFormat, ADataSizeLargerThanTheFileIsCutToWhatIsThere) {
    const std::string samples = test::RampSamples16(50);
    for (std::uint32_t declared : {0x7FFFFFF0u, 0xFFFFFFFFu}) {
        // The parsed samples view the image, so the image must outlive them.
        const std::string image = WaveImage({8000, 1, 16, 1, samples, declared});
        const auto pcm = ParseWave(image);
        ASSERT_TRUE(pcm) << declared;
        EXPECT_EQ(pcm->samples, samples) << declared;
    }
}

// Every shorter image with a whole frame is read inside its bytes, keeping
// only whole frames; one without is refused.
TEST(WaveFormat, ATruncatedFileKeepsOnlyItsWholeFrames) {
    const std::string image = WaveImage({8000, 2, 16, 1, test::RampSamples16(40), {}});
    const std::size_t header = image.size() - 80;  // before 20 frames of 4 bytes
    for (std::size_t length = 0; length < image.size(); ++length) {
        const std::string cut = image.substr(0, length);
        const auto pcm = ParseWave(cut);
        ASSERT_EQ(pcm.has_value(), length >= header + 4) << length;
        if (!pcm) continue;
        EXPECT_LE(pcm->samples.data() + pcm->samples.size(), cut.data() + cut.size()) << length;
        EXPECT_EQ(pcm->samples.size(), (length - header) / 4 * 4) << length;
    }
}

TEST(WaveFormat, RefusesWhatCannotBePlayed) {
    const std::string samples = test::RampSamples16(8);
    EXPECT_FALSE(ParseWave("")) << "zero bytes";
    EXPECT_FALSE(ParseWave(std::string_view("RIFF\x04\0\0\0WAVE", 12))) << "no chunks";
    EXPECT_FALSE(ParseWave("RIFX" + WaveImage({8000, 1, 16, 1, samples, {}}).substr(4)));
    EXPECT_FALSE(ParseWave(WaveImage({8000, 1, 16, 3, samples, {}}))) << "floating point";
    EXPECT_FALSE(ParseWave(WaveImage({8000, 6, 16, 1, samples, {}}))) << "six channels";
    EXPECT_FALSE(ParseWave(WaveImage({8000, 1, 24, 1, samples, {}}))) << "24 bits";
    EXPECT_FALSE(ParseWave(WaveImage({999, 1, 16, 1, samples, {}}))) << "rate too low";
    EXPECT_FALSE(ParseWave(WaveImage({384001, 1, 16, 1, samples, {}}))) << "rate too high";
    EXPECT_FALSE(ParseWave(WaveImage({8000, 1, 16, 1, "", {}}))) << "no samples";
    EXPECT_FALSE(ParseWave(WaveImage({8000, 2, 16, 1, "abc", {}}))) << "less than a frame";
}

// Pulled in the uneven pieces an audio output might ask for, the samples
// repeat without a gap.
TEST(WaveLoop, RepeatsTheSamplesWithoutAGap) {
    const std::string samples = test::RampSamples16(301);
    WaveLoop loop(samples, 0);
    const std::size_t total = samples.size() * 7 + 123;  // several loops and a part
    std::string pulled;
    for (std::size_t piece = 1; pulled.size() < total; piece = piece * 3 % 1013 + 7) {
        std::vector<unsigned char> buffer(std::min(piece, total - pulled.size()));
        loop.Pull(buffer);
        pulled.append(buffer.begin(), buffer.end());
    }
    for (std::size_t at = 0; at < total; at += samples.size()) {
        const std::size_t length = std::min(samples.size(), total - at);
        ASSERT_EQ(pulled.substr(at, length), samples.substr(0, length)) << "repeat at " << at;
    }
}

// A single frame fills a whole buffer; no samples give silence.
TEST(WaveLoop, ShortLoopsFillTheBuffer) {
    WaveLoop frame(std::string("\x12\x34", 2), 0);
    std::vector<unsigned char> buffer(9, 0);
    frame.Pull(buffer);
    EXPECT_EQ(buffer,
              (std::vector<unsigned char>{0x12, 0x34, 0x12, 0x34, 0x12, 0x34, 0x12, 0x34, 0x12}));
    WaveLoop none("", 0x80);
    none.Pull(buffer);
    EXPECT_EQ(buffer, std::vector<unsigned char>(9, 0x80));
}

}  // namespace
}  // namespace bv
