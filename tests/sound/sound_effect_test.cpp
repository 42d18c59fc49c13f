// The looping sound effect of a full-screen run: the file read into
// SoundData, played from memory, and stopped at the end.

#include <gtest/gtest.h>

#include "platform/case_insensitive_path.h"
#include "settings/settings_globals.h"
#include "sound/load_sound.h"
#include "sound/sound_control.h"
#include "sound/sound_state.h"
#include "sound/wave_player.h"
#include "sound_test_support.h"
#include "test_media.h"

namespace bv {
namespace {

using namespace std::string_literals;

class SoundEffect : public test::SoundTest {
protected:
    SoundEffect() { SoundMode = 2; }
    std::string GoodWave() {
        return test::WaveImage({11025, 1, 16, 1, test::RampSamples16(4000), {}});
    }
};

TEST_F(SoundEffect, LoadSoundStripsBlankBytesAtBothEnds) {
    WriteMedia("effect.wav", "  \x20RIFF inner  blanks\0 \x20 "s);
    std::string path = MediaPath("effect.wav");
    EXPECT_EQ(LoadSound(path), std::string("RIFF inner  blanks\0", 19));
    EXPECT_EQ(SoundMode, 2);
}

TEST_F(SoundEffect, LoadSoundOfAMissingFileTurnsTheSoundOff) {
    std::string path = MediaPath("bv_soundfx.wav");
    EXPECT_EQ(LoadSound(path), "");
    EXPECT_EQ(SoundMode, 0);
    EXPECT_TRUE(errors_.codes().empty());
}

TEST_F(SoundEffect, LoadSoundOfBlanksOnlyIsEmpty) {
    WriteMedia("blanks.wav", "     ");
    std::string path = MediaPath("blanks.wav");
    EXPECT_EQ(LoadSound(path), "");
}

TEST_F(SoundEffect, TheRunLoopsTheEffectUntilItsEnd) {
    WriteMedia("BV_SOUNDFX.WAV", GoodWave());
    StartSound(musicTimer_);
    EXPECT_EQ(SoundData, GoodWave());
    EXPECT_TRUE(IsWavePlaying());
    EXPECT_FALSE(musicTimer_.isActive());
    StopSoundAtEnd();
    EXPECT_FALSE(IsWavePlaying());
}

TEST_F(SoundEffect, AMissingEffectLeavesTheRunSilent) {
    StartSound(musicTimer_);
    EXPECT_EQ(SoundMode, 0);
    EXPECT_FALSE(IsWavePlaying());
    StopSoundAtEnd();
    EXPECT_TRUE(errors_.codes().empty());
}

TEST_F(SoundEffect, BadWaveFilesAreSilentNotFatal) {
    const std::string good = GoodWave();
    std::string lying = test::WaveImage({11025, 1, 16, 1, test::RampSamples16(10), 0x40000000u});
    const std::pair<const char*, std::string> files[] = {
        {"zero bytes", ""},
        {"truncated header", good.substr(0, 30)},
        {"truncated samples", good.substr(0, good.size() / 2 + 1)},
        {"data size larger than the file", lying},
        {"not a wave", "MThd and something else"},
    };
    for (const auto& [what, bytes] : files) {
        SoundMode = 2;
        WriteMedia("bv_soundfx.wav", bytes);
        StartSound(musicTimer_);
        StopSoundAtEnd();
        EXPECT_FALSE(IsWavePlaying()) << what;
    }
    EXPECT_TRUE(errors_.codes().empty());
}

TEST_F(SoundEffect, AWaveWithALyingHeaderStillPlaysWhatItHas) {
    EXPECT_TRUE(PlayLoopingWave(test::WaveImage({8000, 2, 8, 1, std::string(64, 'x'), 1u << 30})));
    EXPECT_TRUE(IsWavePlaying());
    EXPECT_FALSE(PlayLoopingWave("RIFF")) << "a bad image replaces the loop with silence";
    EXPECT_FALSE(IsWavePlaying());
}

TEST_F(SoundEffect, TheMediaPackEffectIsAPlayableWave) {
    const auto file = FindFileIgnoringCase(std::string(BLUVESSA_MEDIA_PACK_DIR) + "bv_soundfx.wav");
    if (!file) GTEST_SKIP() << "the media pack has not been generated";
    std::string path = *file;
    EXPECT_TRUE(PlayLoopingWave(LoadSound(path)));
}

}  // namespace
}  // namespace bv
