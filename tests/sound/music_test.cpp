// The music of a full-screen run: the songs opened at the start, the song
// check moving on to the next enabled song, and the clean-up at the end.

#include <gtest/gtest.h>

#include "platform/process_end.h"
#include "settings/settings_globals.h"
#include "sound/sound_control.h"
#include "sound/sound_state.h"
#include "sound_test_support.h"
#include "startup/cleanup.h"

namespace bv {
namespace {

struct MusicRun {
    const char* what;
    std::vector<int> installed;
    std::vector<int> damaged;
    std::vector<int> enabled;
    std::vector<int> plays;  // the songs in the order they play; none: the run is silent
};

void PrintTo(const MusicRun& run, std::ostream* out) {
    *out << run.what;
}

class Music : public test::SoundTest, public ::testing::WithParamInterface<MusicRun> {
protected:
    void InstallSongs(const std::vector<int>& songs) {
        for (int song : songs)
            WriteMedia("bv_song" + std::to_string(song) + ".Mid", test::TinySong(100, 60 + song));
    }

    std::string Status(int song) { return Send("status song" + std::to_string(song) + " mode"); }
    bool IsPlaying(int song) { return Status(song) == "playing"; }
};

// The check leaves a playing song alone; once it has ended the next enabled
// song that will play follows. Songs not enabled are never opened, and the
// end of the run stops and closes them all.
TEST_P(Music, EnabledSongsPlayInTurn) {
    const MusicRun& run = GetParam();
    InstallSongs(run.installed);
    for (int song : run.damaged) WriteMedia("bv_song" + std::to_string(song) + ".Mid", "MThd bad");
    for (int song : run.enabled) EnableSongs({song});
    StartSound(musicTimer_);
    EXPECT_EQ(musicTimer_.isActive(), !run.plays.empty());
    for (std::size_t i = 0; i < run.plays.size(); ++i) {
        if (i > 0) {
            ASSERT_TRUE(RenderUntilStopped(SongIndex));
            MusicTimer_Timer(musicTimer_);
        }
        EXPECT_EQ(SongIndex, run.plays[i]) << "song " << i + 1;
        EXPECT_TRUE(IsPlaying(run.plays[i])) << "song " << i + 1;
        MusicTimer_Timer(musicTimer_);
        EXPECT_EQ(SongIndex, run.plays[i]) << "moved on from a playing song";
        if (i + 1 < run.plays.size() && run.plays[i + 1] != run.plays[i])
            EXPECT_FALSE(IsPlaying(run.plays[i + 1]));
    }
    EXPECT_EQ(musicTimer_.isActive(), !run.plays.empty());
    for (int song : run.installed)
        if (SongEnabled.at(song) == kFalse)
            EXPECT_EQ(Status(song), "error 263") << "song " << song << " opened";
    StopSoundAtEnd();
    for (int song = 0; song < 6; ++song) EXPECT_EQ(Status(song), "error 263") << "song " << song;
    EXPECT_FALSE(device().HasAudioOutput());
    EXPECT_TRUE(errors_.codes().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Runs, Music,
    ::testing::Values(MusicRun{"wrapping round", {0, 1, 2, 3, 4, 5}, {}, {2, 4}, {2, 4, 2, 4}},
                      MusicRun{"one song repeats", {5}, {}, {5}, {5, 5}},
                      MusicRun{"a missing song passed over", {1, 5}, {}, {1, 3, 5}, {1, 5, 1}},
                      MusicRun{"first songs damaged or missing", {4}, {0}, {0, 2, 4}, {4}},
                      MusicRun{"none that will play", {}, {1}, {1, 2}, {}},
                      MusicRun{"none enabled", {0, 1}, {}, {}, {}}));

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
