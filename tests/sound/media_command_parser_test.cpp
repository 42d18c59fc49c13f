#include "sound/media_command_parser.h"

#include <gtest/gtest.h>

namespace bv {
namespace {

TEST(MediaCommandParser, ReadsEveryCommandTheMusicSends) {
    const auto open =
        ParseMediaCommand("open \"/media/My Songs/bv_song3.Mid\" type sequencer alias song3");
    ASSERT_TRUE(open);
    EXPECT_EQ(open->verb, MediaVerb::kOpen);
    EXPECT_EQ(open->path, "/media/My Songs/bv_song3.Mid");  // blanks kept inside the quotes
    EXPECT_EQ(open->alias, "song3");

    const std::pair<const char*, MediaVerb> others[] = {
        {"play song3 from 0", MediaVerb::kPlay},
        {"status song3 mode", MediaVerb::kStatus},
        {"stop song3", MediaVerb::kStop},
        {"close song3", MediaVerb::kClose},
    };
    for (const auto& [text, verb] : others) {
        const auto command = ParseMediaCommand(text);
        ASSERT_TRUE(command) << text;
        EXPECT_EQ(command->verb, verb) << text;
        EXPECT_EQ(command->alias, "song3") << text;
    }
}

TEST(MediaCommandParser, KeywordsAndAliasesIgnoreCase) {
    const auto command = ParseMediaCommand("STATUS Song5 MODE");
    ASSERT_TRUE(command);
    EXPECT_EQ(command->alias, "song5");
    const auto open = ParseMediaCommand("Open \"/A/B.mid\" Type Sequencer Alias SONG1");
    ASSERT_TRUE(open);
    EXPECT_EQ(open->path, "/A/B.mid");
    EXPECT_EQ(open->alias, "song1");
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

}  // namespace
}  // namespace bv
