// What a song sounds like: rendered straight from the sequencer's synthesizer.

#include <gtest/gtest.h>

#include <optional>

#include "platform/case_insensitive_path.h"
#include "platform/whole_file.h"
#include "sound/media_control.h"
#include "sound/midi_file_check.h"
#include "sound/soundfont_search.h"
#include "sound_test_support.h"
#include "test_media.h"

namespace bv {
namespace {

// About -40 dB of full scale: far above the dither noise of a silent
// synthesizer (a unit or two), well below one plain piano note.
constexpr int kAudiblePeak = 300;
// Dither alone, with room to spare.
constexpr int kSilentPeak = 30;

class SongRender : public test::SoundTest {
protected:
    // Opens and plays song bytes and returns the loudest sample of its first second.
    int FirstSecondPeak(const std::string& song) {
        EXPECT_EQ(device().Open("song0", song), kMediaOk);
        EXPECT_EQ(device().Play("song0"), kMediaOk);
        return RenderPeak(1.0);
    }
};

TEST_F(SongRender, NothingPlayingIsSilence) {
    ASSERT_TRUE(device().HasSoundFont()) << "install the General MIDI soundfont (timgm6mb)";
    EXPECT_LT(RenderPeak(1.0), kSilentPeak);
}

TEST_F(SongRender, AGeneratedSongIsHeard) {
    ASSERT_TRUE(device().HasSoundFont()) << "install the General MIDI soundfont (timgm6mb)";
    EXPECT_GT(FirstSecondPeak(test::TinySong(800)), kAudiblePeak);
}

TEST_F(SongRender, AStoppedSongFallsSilent) {
    ASSERT_TRUE(device().HasSoundFont());
    FirstSecondPeak(test::TinySong(60000));
    ASSERT_EQ(device().Stop("song0"), kMediaOk);
    RenderPeak(2.0);  // the released notes fade out
    EXPECT_LT(RenderPeak(0.5), kSilentPeak);
}

// The bytes of a song of the generated media pack; nothing when there is no pack.
std::optional<std::string> MediaPackSong(int song) {
    const auto file = FindFileIgnoringCase(std::string(BLUVESSA_MEDIA_PACK_DIR) + "bv_song" +
                                           std::to_string(song) + ".Mid");
    if (!file) return std::nullopt;
    return ReadWholeFile(*file).bytes;
}

TEST_F(SongRender, TheMediaPackFirstSongIsHeard) {
    const auto song = MediaPackSong(0);
    if (!song) GTEST_SKIP() << "the media pack has not been generated";
    ASSERT_TRUE(device().HasSoundFont()) << "install the General MIDI soundfont (timgm6mb)";
    EXPECT_GT(FirstSecondPeak(*song), kAudiblePeak);
}

TEST_F(SongRender, EveryMediaPackSongPassesTheCheck) {
    if (!MediaPackSong(0)) GTEST_SKIP() << "the media pack has not been generated";
    for (int number = 0; number < 6; ++number) {
        const auto song = MediaPackSong(number);
        ASSERT_TRUE(song) << "bv_song" << number << ".Mid";
        EXPECT_TRUE(IsWellFormedMidi(*song)) << "bv_song" << number << ".Mid";
    }
}

// On a machine without sound the songs still play (silently, in real time):
// the run goes on with the same song check.
TEST_F(SongRender, WithNoAudioOutputSongsStillPlay) {
    auto unheard = std::make_unique<SequencerDevice>(
        FindSoundFont(), SequencerDevice::Output::kSpeakers, std::vector<std::string>{"none"});
    const SequencerDevice& device = *unheard;
    UseSequencerDevice(std::move(unheard));
    WriteMedia("bv_song1.Mid", test::TinySong(60000));
    ASSERT_EQ(Send("open \"" + MediaPath("bv_song1.Mid") + "\" type sequencer alias song1"), "");
    EXPECT_FALSE(device.HasAudioOutput());
    ASSERT_EQ(Send("play song1 from 0"), "");
    EXPECT_EQ(Send("status song1 mode"), "playing");
    EXPECT_EQ(Send("stop song1"), "");
    EXPECT_EQ(Send("status song1 mode"), "stopped");
    EXPECT_EQ(Send("close song1"), "");
}

}  // namespace
}  // namespace bv
