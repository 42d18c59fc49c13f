#include "sound/media_control.h"

#include <gtest/gtest.h>

#include "sound_test_support.h"
#include "test_media.h"

namespace bv {
namespace {

class MediaControl : public test::SoundTest {
protected:
    std::string OpenCommand(const std::string& file, const std::string& alias) {
        return "open \"" + MediaPath(file) + "\" type sequencer alias " + alias;
    }
};

TEST_F(MediaControl, ASongPlaysAndThenReportsStopped) {
    ASSERT_TRUE(device().HasSoundFont()) << "install the General MIDI soundfont (timgm6mb)";
    WriteMedia("bv_song1.Mid", test::TinySong(100));
    EXPECT_EQ(Send(OpenCommand("bv_song1.Mid", "song1")), "");
    EXPECT_EQ(Send("status song1 mode"), "stopped") << "opened but never started";
    EXPECT_EQ(Send("play song1 from 0"), "");
    EXPECT_EQ(Send("status song1 mode"), "playing");
    EXPECT_TRUE(RenderUntilStopped(1));
    EXPECT_EQ(Send("play song1 from 0"), "") << "an ended song plays again from its start";
    EXPECT_EQ(Send("status song1 mode"), "playing");
}

TEST_F(MediaControl, StopEndsPlayingAndCloseReleasesTheAlias) {
    WriteMedia("bv_song2.Mid", test::TinySong(5000));
    ASSERT_EQ(Send(OpenCommand("bv_song2.Mid", "song2")), "");
    ASSERT_EQ(Send("play song2 from 0"), "");
    EXPECT_EQ(Send("stop song2"), "");
    EXPECT_EQ(Send("status song2 mode"), "stopped");
    EXPECT_EQ(Send("close song2"), "");
    EXPECT_NE(Send("status song2 mode").rfind("error ", 0), std::string::npos);
    EXPECT_EQ(Send(OpenCommand("bv_song2.Mid", "song2")), "") << "the alias is free again";
}

TEST_F(MediaControl, FileNamesMatchWithoutRegardToCase) {
    WriteMedia("BV_SONG3.MID", test::TinySong(100));
    EXPECT_EQ(Send(OpenCommand("bv_song3.Mid", "song3")), "");
}

TEST_F(MediaControl, EveryFailureHasANonzeroResultAndNoReply) {
    WriteMedia("bv_song0.Mid", test::TinySong(100));
    ASSERT_EQ(Send(OpenCommand("bv_song0.Mid", "song0")), "");

    EXPECT_EQ(Send("fly song0"), "error 261");
    EXPECT_EQ(Send("play song0 from 9"), "error 261");
    EXPECT_EQ(Send("status song7 mode"), "error 263") << "unknown alias";
    EXPECT_EQ(Send("play song7 from 0"), "error 263");
    EXPECT_EQ(Send("stop song7"), "error 263");
    EXPECT_EQ(Send("close song7"), "error 263");
    EXPECT_EQ(Send(OpenCommand("bv_song0.Mid", "song0")), "error 289") << "alias in use";
    EXPECT_EQ(Send(OpenCommand("bv_song9.Mid", "song9")), "error 275") << "missing file";
    EXPECT_EQ(Send("status song9 mode"), "error 263") << "a failed open leaves no alias";
}

TEST_F(MediaControl, DamagedOrEmptySongsFailToOpen) {
    const std::string song = test::TinySong(100);
    WriteMedia("empty.mid", "");
    WriteMedia("text.mid", "this is not a song");
    WriteMedia("cut.mid", song.substr(0, song.size() - 3));
    WriteMedia("header_only.mid", song.substr(0, 14));
    for (const char* name : {"empty.mid", "text.mid", "cut.mid", "header_only.mid"}) {
        EXPECT_EQ(Send(OpenCommand(name, "song1")), "error 296") << name;
        EXPECT_EQ(Send("play song1 from 0"), "error 263") << name;
    }
    EXPECT_TRUE(errors_.codes().empty());
}

TEST_F(MediaControl, WithoutASoundFontEveryOpenFails) {
    UseSequencerDevice(std::make_unique<SequencerDevice>("", SequencerDevice::Output::kNone));
    WriteMedia("bv_song1.Mid", test::TinySong(100));
    EXPECT_EQ(Send(OpenCommand("bv_song1.Mid", "song1")), "error 266");
    UseSequencerDevice(std::make_unique<SequencerDevice>(MediaPath("bv_song1.Mid"),
                                                         SequencerDevice::Output::kNone));
    EXPECT_EQ(Send(OpenCommand("bv_song1.Mid", "song1")), "error 266")
        << "a file that is no soundfont counts as none";
}

}  // namespace
}  // namespace bv
