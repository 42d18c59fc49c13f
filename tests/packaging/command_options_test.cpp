// The GNU-style options beside the screen-saver switches: what each command
// line asks for, which overrides it carries and which mistakes it reports.
#include "startup/command_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bv {
namespace {

using Args = std::vector<std::string>;

struct Case {
    Args arguments;
    CommandAction action;
    std::string error;  // for errors: the exact message
};

TEST(CommandOptions, EachCommandLineAsksForOneAction) {
    const Case cases[] = {
        {{}, CommandAction::kRun, ""},
        {{"/c"}, CommandAction::kRun, ""},
        {{"/p", "123"}, CommandAction::kRun, ""},
        {{"-root"}, CommandAction::kRun, ""},
        {{"/H"}, CommandAction::kRun, ""},  // the support page, not help
        {{"-H"}, CommandAction::kRun, ""},
        {{"--root", "--delay", "0", "--scale=0"}, CommandAction::kRun, ""},
        {{"--help"}, CommandAction::kHelp, ""},
        {{"-h"}, CommandAction::kHelp, ""},
        {{"/s", "--version"}, CommandAction::kVersion, ""},
        // The first of help, version and mistakes decides.
        {{"--version", "--frobnicate"}, CommandAction::kVersion, ""},
        {{"--help", "--version"}, CommandAction::kHelp, ""},
        {{"--frobnicate", "--help"}, CommandAction::kError, "unrecognized option '--frobnicate'"},
        {{"--frobnicate=3"}, CommandAction::kError, "unrecognized option '--frobnicate=3'"},
        {{"--HELP"}, CommandAction::kError, "unrecognized option '--HELP'"},
        {{"--hel"}, CommandAction::kError, "unrecognized option '--hel'"},
        {{"--delay"}, CommandAction::kError, "option '--delay' requires an argument"},
        {{"--version=2"}, CommandAction::kError, "option '--version' doesn't allow an argument"},
        {{"--no-clock=yes"},
         CommandAction::kError,
         "option '--no-clock' doesn't allow an argument"},
        {{"--delay", "fast"},
         CommandAction::kError,
         "invalid argument 'fast' for '--delay': milliseconds from 1 to 32767, or 0 for the "
         "settings file's"},
        {{"--sound="},
         CommandAction::kError,
         "invalid argument '' for '--sound': none, music or effect"},
        // A lone "--" ends the options: what follows is left to the switches.
        {{"--", "--frobnicate"}, CommandAction::kRun, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        const CommandOptions options = ParseCommandOptions(c.arguments);
        EXPECT_EQ(options.action, c.action);
        EXPECT_EQ(options.error, c.error);
    }
}

// Every option's value: what it accepts, what it refuses, where it lands.
TEST(CommandOptions, ValuesAreCheckedAndKept) {
    struct ValueCase {
        std::string option;
        std::string value;
        bool valid;
        // What the options then hold, written out: "delay=40", "sound=2" ...
        std::string held;
    };
    auto describe = [](const CommandOptions& o) {
        std::string text;
        if (o.windowId) text += "window=" + std::to_string(*o.windowId);
        if (o.delay) text += "delay=" + std::to_string(*o.delay);
        if (o.clock) text += std::string("clock=") + (*o.clock ? "on" : "off");
        if (o.soundMode) text += "sound=" + std::to_string(*o.soundMode);
        if (o.scale) text += "scale=" + std::to_string(*o.scale);
        return text;
    };
    const ValueCase cases[] = {
        {"--window-id", "4194311", true, "window=4194311"},
        {"--window-id", "0x400007", true, "window=4194311"},
        {"--window-id", "0XfFfFfFfF", true, "window=4294967295"},
        {"--window-id", "0x100000000", false, ""},
        {"--window-id", "0", false, ""},
        {"--window-id", "0x", false, ""},
        {"--window-id", "-5", false, ""},
        {"--window-id", "12abc", false, ""},
        {"--delay", "1", true, "delay=1"},
        {"--delay", "32767", true, "delay=32767"},
        {"--delay", "0", true, ""},  // xscreensaver's resting slider: no override
        {"--delay", "32768", false, ""},
        {"--delay", "+40", false, ""},
        {"--delay", " 40", false, ""},
        {"--sound", "none", true, "sound=0"},
        {"--sound", "music", true, "sound=1"},
        {"--sound", "effect", true, "sound=2"},
        {"--sound", "Music", false, ""},
        {"--sound", "2", false, ""},
        {"--scale", "0", true, "scale=0"},  // automatic, over the settings file's size
        {"--scale", "4", true, "scale=4"},
        {"--scale", "5", false, ""},
    };
    for (const ValueCase& c : cases) {
        for (const Args& arguments : {Args{c.option, c.value}, Args{c.option + "=" + c.value}}) {
            SCOPED_TRACE(::testing::PrintToString(arguments));
            const CommandOptions options = ParseCommandOptions(arguments);
            EXPECT_EQ(options.action, c.valid ? CommandAction::kRun : CommandAction::kError);
            EXPECT_EQ(describe(options), c.held);
        }
    }
}

TEST(CommandOptions, OverridesCombineAndSwitchesStayForTheSwitchRule) {
    const CommandOptions options = ParseCommandOptions(
        {"--root", "/p", "--clock", "--delay=40", "123", "--sound", "music", "--no-clock",
         "--delay", "25", "--scale", "2", "--window-id", "0x1e00007", "--", "--delay"});
    EXPECT_EQ(options.action, CommandAction::kRun);
    EXPECT_TRUE(options.root);
    EXPECT_EQ(options.clock, false);  // the last of --clock and --no-clock
    EXPECT_EQ(options.delay, 25);
    EXPECT_EQ(options.soundMode, 1);
    EXPECT_EQ(options.scale, 2);
    EXPECT_EQ(options.windowId, 0x1e00007ul);
    EXPECT_EQ(options.switches, (Args{"/p", "123", "--delay"}));
    // A later "--delay 0" gives the speed back to the settings file.
    EXPECT_FALSE(ParseCommandOptions({"--delay", "40", "--delay", "0"}).delay.has_value());
}

}  // namespace
}  // namespace bv
