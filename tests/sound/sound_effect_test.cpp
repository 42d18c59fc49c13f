// The looping sound effect of a full-screen run: the file read into
// SoundData, played from memory, and stopped at the end.

#include <gtest/gtest.h>

#include <optional>

#include "platform/case_insensitive_path.h"
#include "settings/settings_globals.h"
#include "sound/load_sound.h"
#include "sound/sound_control.h"
#include "sound/sound_state.h"
#include "sound/wave_player.h"
#include "sound_test_support.h"

namespace bv {
namespace {

using namespace std::string_literals;

class SoundEffect : public test::SoundTest {
protected:
    SoundEffect() { SoundMode = 2; }
};

// The file's bytes less blank bytes at both ends; a missing file turns the
// sound off without a failure.
TEST_F(SoundEffect, LoadSoundStripsBlanksAndTurnsTheSoundOffWithoutAFile) {
    WriteMedia("effect.wav", "  \x20RIFF inner  blanks\0 \x20 "s);
    WriteMedia("blanks.wav", "     ");
    EXPECT_EQ(LoadSound(MediaPath("effect.wav")), std::string("RIFF inner  blanks\0", 19));
    EXPECT_EQ(LoadSound(MediaPath("blanks.wav")), "");
    EXPECT_EQ(SoundMode, 2);
    EXPECT_EQ(LoadSound(MediaPath("bv_soundfx.wav")), "");
    EXPECT_EQ(SoundMode, 0);
    EXPECT_TRUE(errors_.codes().empty());
}

struct EffectFile {
    const char* what;
    std::optional<std::string> bytes;  // none: no file
    bool plays;
};

void PrintTo(const EffectFile& file, std::ostream* out) {
    *out << file.what;
}

const std::string kGoodWave = test::WaveImage({11025, 1, 16, 1, test::RampSamples16(4000), {}});

class EffectRun : public SoundEffect, public ::testing::WithParamInterface<EffectFile> {};

// The run loads the effect (its name in any case) into SoundData and loops
// it until the run's end, with the music timer off. A missing file turns the
// sound off, one that is no wave leaves the run silent, one cut short plays
// what it has: none of them is a failure.
TEST_P(EffectRun, LoopsTheEffectUntilTheEnd) {
    const EffectFile& file = GetParam();
    if (file.bytes) WriteMedia("BV_SOUNDFX.WAV", *file.bytes);
    StartSound(musicTimer_);
    EXPECT_EQ(IsWavePlaying(), file.plays);
    EXPECT_EQ(SoundData, file.bytes.value_or(""));
    EXPECT_EQ(SoundMode, file.bytes ? 2 : 0);
    EXPECT_FALSE(musicTimer_.isActive());
    StopSoundAtEnd();
    EXPECT_FALSE(IsWavePlaying());
    EXPECT_TRUE(errors_.codes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, EffectRun,
    ::testing::Values(
        EffectFile{"a wave", kGoodWave, true}, EffectFile{"no file", std::nullopt, false},
        EffectFile{"zero bytes", "", false},
        EffectFile{"header cut short", kGoodWave.substr(0, 30), false},
        EffectFile{"samples cut short", kGoodWave.substr(0, kGoodWave.size() / 2 + 1), true},
        EffectFile{"data size larger than the file",
                   test::WaveImage({11025, 1, 16, 1, test::RampSamples16(10), 0x40000000u}), true},
        EffectFile{"not a wave", "MThd and something else", false}));

TEST_F(SoundEffect, AWaveWithALyingHeaderStillPlaysWhatItHas) {
    EXPECT_TRUE(PlayLoopingWave(test::WaveImage({8000, 2, 8, 1, std::string(64, 'x'), 1u << 30})));
    EXPECT_TRUE(IsWavePlaying());
    EXPECT_FALSE(PlayLoopingWave("RIFF")) << "a bad image replaces the loop with silence";
    EXPECT_FALSE(IsWavePlaying());
}

}  // namespace
}  // namespace bv
