#include "sound/media_control.h"

#include <gtest/gtest.h>

#include "sound/media_command_parser.h"
#include "sound_test_support.h"

namespace bv {
namespace {

// Keywords and aliases in any case; aliases come back in lower case.
TEST(MediaCommandParser, ReadsEveryCommandTheMusicSends) {
    const auto open =
        ParseMediaCommand("open \"/media/My Songs/bv_song3.Mid\" type sequencer alias song3");
    ASSERT_TRUE(open);
    EXPECT_EQ(open->verb, MediaVerb::kOpen);
    EXPECT_EQ(open->path, "/media/My Songs/bv_song3.Mid");  // blanks kept inside the quotes
    EXPECT_EQ(open->alias, "song3");

    const std::pair<const char*, MediaVerb> others[] = {
        {"play song3 from 0", MediaVerb::kPlay},   {"status song3 mode", MediaVerb::kStatus},
        {"stop song3", MediaVerb::kStop},          {"close song3", MediaVerb::kClose},
        {"STATUS Song3 MODE", MediaVerb::kStatus},
    };
    for (const auto& [text, verb] : others) {
        const auto command = ParseMediaCommand(text);
        ASSERT_TRUE(command) << text;
        EXPECT_EQ(command->verb, verb) << text;
        EXPECT_EQ(command->alias, "song3") << text;
    }
    const auto mixed = ParseMediaCommand("Open \"/A/B.mid\" Type Sequencer Alias SONG1");
    ASSERT_TRUE(mixed);
    EXPECT_EQ(mixed->path, "/A/B.mid");
    EXPECT_EQ(mixed->alias, "song1");
}

TEST(MediaCommandParser, RefusesEverythingElse) {
    for (const char* text : {
             "",
             "   ",
             "pause song1",
             "play",
             "play song1 from 5",
             "play song1 to 0",
             "status song1",
             "status song1 position",
             "stop",
             "stop song1 now",
             "close",
             "open \"/a.mid\" type waveaudio alias song1",
             "open \"/a.mid\" type sequencer alias",
             "open \"/a.mid type sequencer alias song1",  // quote left open
             "open \"\" type sequencer alias song1",
         })
        EXPECT_FALSE(ParseMediaCommand(text)) << '"' << text << '"';
}

class MediaControl : public test::SoundTest {
protected:
    std::string OpenCommand(const std::string& file, const std::string& alias) {
        return "open \"" + MediaPath(file) + "\" type sequencer alias " + alias;
    }
};

// A song (its file name in any case) opens stopped, plays, reports stopped
// at its end and plays again from its start; stopped early it stops, and
// closed it frees its alias.
TEST_F(MediaControl, ASongPlaysStopsAndCloses) {
    ASSERT_TRUE(device().HasSoundFont()) << "install the General MIDI soundfont (timgm6mb)";
    WriteMedia("BV_SONG1.MID", test::TinySong(100));
    EXPECT_EQ(Send(OpenCommand("bv_song1.Mid", "song1")), "");
    EXPECT_EQ(Send("status song1 mode"), "stopped") << "opened but never started";
    EXPECT_EQ(Send("play song1 from 0"), "");
    EXPECT_EQ(Send("status song1 mode"), "playing");
    EXPECT_TRUE(RenderUntilStopped(1));
    EXPECT_EQ(Send("play song1 from 0"), "") << "an ended song plays again from its start";
    EXPECT_EQ(Send("status song1 mode"), "playing");
    EXPECT_EQ(Send("stop song1"), "");
    EXPECT_EQ(Send("status song1 mode"), "stopped");
    EXPECT_EQ(Send("close song1"), "");
    EXPECT_EQ(Send("status song1 mode"), "error 263");
    EXPECT_EQ(Send(OpenCommand("bv_song1.Mid", "song1")), "") << "the alias is free again";
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
    for (const std::string& bytes : {std::string(), std::string("this is not a song"),
                                     song.substr(0, song.size() - 3), song.substr(0, 14)}) {
        WriteMedia("bad.mid", bytes);
        EXPECT_EQ(Send(OpenCommand("bad.mid", "song1")), "error 296") << bytes.size() << " bytes";
        EXPECT_EQ(Send("play song1 from 0"), "error 263");
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
