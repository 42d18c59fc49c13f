// The music of a full-screen run: the songs opened at the start, the song
// check moving on to the next enabled song, and the clean-up at the end.

#include <gtest/gtest.h>

#include "platform/process_end.h"
#include "settings/settings_globals.h"
#include "sound/sound_control.h"
#include "sound/sound_state.h"
#include "sound_test_support.h"
#include "startup/cleanup.h"
#include "test_media.h"

namespace bv {
namespace {

class Music : public test::SoundTest {
protected:
    void InstallSongs(std::initializer_list<int> songs) {
        for (int song : songs)
            WriteMedia("bv_song" + std::to_string(song) + ".Mid", test::TinySong(100, 60 + song));
    }

    // The song the check finds playing after the current one has ended.
    Integer NextAfterEnd() {
        EXPECT_TRUE(RenderUntilStopped(SongIndex));
        MusicTimer_Timer(musicTimer_);
        return SongIndex;
    }

    bool IsPlaying(int song) {
        return Send("status song" + std::to_string(song) + " mode") == "playing";
    }
};

TEST_F(Music, EnabledSongsPlayInTurnWrappingAround) {
    InstallSongs({0, 1, 2, 3, 4, 5});
    EnableSongs({2, 4});
    StartSound(musicTimer_);
    EXPECT_TRUE(musicTimer_.isActive());
    EXPECT_EQ(SongIndex, 2);
    EXPECT_TRUE(IsPlaying(2));

    EXPECT_EQ(NextAfterEnd(), 4);
    EXPECT_TRUE(IsPlaying(4));
    EXPECT_EQ(NextAfterEnd(), 2);
    EXPECT_EQ(NextAfterEnd(), 4);
    EXPECT_TRUE(musicTimer_.isActive());
    EXPECT_EQ(Send("status song1 mode"), "error 263") << "songs not enabled are not opened";
    EXPECT_TRUE(errors_.codes().empty());
}

TEST_F(Music, TheCheckLeavesAPlayingSongAlone) {
    InstallSongs({1, 3});
    EnableSongs({1, 3});
    StartSound(musicTimer_);
    MusicTimer_Timer(musicTimer_);
    EXPECT_EQ(SongIndex, 1);
    EXPECT_TRUE(IsPlaying(1));
    EXPECT_FALSE(IsPlaying(3));
}

TEST_F(Music, ASingleSongRepeats) {
    InstallSongs({5});
    EnableSongs({5});
    StartSound(musicTimer_);
    EXPECT_EQ(NextAfterEnd(), 5);
    EXPECT_TRUE(IsPlaying(5));
}

TEST_F(Music, AMissingLaterSongIsPassedOverAndTheRunGoesOn) {
    InstallSongs({1, 5});  // song 3 is enabled but has no file
    EnableSongs({1, 3, 5});
    StartSound(musicTimer_);
    EXPECT_EQ(SongIndex, 1);
    EXPECT_EQ(NextAfterEnd(), 5);
    EXPECT_EQ(NextAfterEnd(), 1);
    EXPECT_TRUE(musicTimer_.isActive());
    EXPECT_TRUE(errors_.codes().empty());
}

TEST_F(Music, AFirstSongThatWillNotPlayGivesWayToTheNext) {
    InstallSongs({4});
    WriteMedia("bv_song0.Mid", "MThd damaged");
    EnableSongs({0, 2, 4});  // 0 damaged, 2 missing
    StartSound(musicTimer_);
    EXPECT_TRUE(musicTimer_.isActive());
    EXPECT_EQ(SongIndex, 4);
    EXPECT_TRUE(IsPlaying(4));
}

TEST_F(Music, WithNoSongThatWillPlayTheRunIsSilent) {
    WriteMedia("bv_song1.Mid", "");
    EnableSongs({1, 2});
    StartSound(musicTimer_);
    EXPECT_FALSE(musicTimer_.isActive());
    EXPECT_TRUE(errors_.codes().empty());
}

TEST_F(Music, NoSongEnabledOpensNothingAndLeavesTheTimerOff) {
    InstallSongs({0, 1});
    StartSound(musicTimer_);
    EXPECT_FALSE(musicTimer_.isActive());
    EXPECT_EQ(Send("status song0 mode"), "error 263");
}

TEST_F(Music, WhenNoEnabledSongWillPlayTheCheckTurnsTheTimerOff) {
    InstallSongs({1});  // song 3 has no file
    EnableSongs({1, 3});
    StartSound(musicTimer_);
    ASSERT_EQ(SongIndex, 1);
    SongEnabled[1] = kFalse;  // only the missing song is left
    EXPECT_TRUE(RenderUntilStopped(1));
    MusicTimer_Timer(musicTimer_);
    EXPECT_FALSE(musicTimer_.isActive());
    EXPECT_TRUE(errors_.codes().empty());
}

TEST_F(Music, AFailedStatusQueryChangesNothing) {
    InstallSongs({2, 4});
    EnableSongs({2, 4});
    StartSound(musicTimer_);
    ASSERT_EQ(Send("close song2"), "");
    MusicTimer_Timer(musicTimer_);
    EXPECT_EQ(SongIndex, 2);
    EXPECT_TRUE(musicTimer_.isActive());
    EXPECT_FALSE(IsPlaying(4));
}

TEST_F(Music, TheEndOfTheRunStopsAndClosesEverySong) {
    InstallSongs({0, 3, 5});
    EnableSongs({0, 3, 5});
    StartSound(musicTimer_);
    ASSERT_TRUE(IsPlaying(0));

    StopSoundAtEnd();
    for (int song = 0; song < 6; ++song)
        EXPECT_EQ(Send("status song" + std::to_string(song) + " mode"), "error 263")
            << "song" << song << " still open";
    EXPECT_FALSE(device().HasAudioOutput());
    EXPECT_TRUE(errors_.codes().empty());
}

TEST_F(Music, OnlyAFullScreenRunStopsTheSound) {
    InstallSongs({1});
    EnableSongs({1});
    StartSound(musicTimer_);
    RunMode = kRunModePreview;
    platform::SetProcessEnder([](int) {});
    X_Cleanup_And_End();
    EXPECT_TRUE(IsPlaying(1));
}

}  // namespace
}  // namespace bv
