#include "sound/wave_format.h"

#include <gtest/gtest.h>

#include "test_media.h"

namespace bv {
namespace {

using test::WaveImage;
using test::WaveSpec;

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
        const std::string image = WaveImage({8000, 1, 16, 1, samples, declared});
        const auto pcm = ParseWave(image);
        ASSERT_TRUE(pcm) << declared;
        EXPECT_EQ(pcm->samples, samples) << declared;
    }
}

TEST(WaveFormat, ATruncatedFileKeepsOnlyItsWholeFrames) {
    const std::string image = WaveImage({8000, 2, 16, 1, test::RampSamples16(40), {}});
    const std::string cut = image.substr(0, image.size() - 3);  // ends inside a frame
    const auto pcm = ParseWave(cut);
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->samples.size(), 19u * 4u);
    EXPECT_LE(pcm->samples.data() + pcm->samples.size(), cut.data() + cut.size());
}

TEST(WaveFormat, EveryShorterImageIsReadSafelyOrRefused) {
    const std::string image = WaveImage({8000, 1, 16, 1, test::RampSamples16(8), {}});
    for (std::size_t length = 0; length < image.size(); ++length) {
        const std::string cut = image.substr(0, length);
        const auto pcm = ParseWave(cut);
        if (pcm) EXPECT_LE(pcm->samples.data() + pcm->samples.size(), cut.data() + cut.size());
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
    EXPECT_FALSE(ParseWave(WaveImage({0, 1, 16, 1, samples, {}}))) << "no sample rate";
    EXPECT_FALSE(ParseWave(WaveImage({8000, 1, 16, 1, "", {}}))) << "no samples";
    EXPECT_FALSE(ParseWave(WaveImage({8000, 2, 16, 1, "abc", {}}))) << "less than a frame";
}

}  // namespace
}  // namespace bv
