// Which mode a command line starts, and how the window handles of the
// preview and the password change are read.
#include "startup/dispatch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/runtime_failure.h"
#include "platform/text_number.h"
#include "settings/settings_globals.h"
#include "startup/command_options.h"
#include "startup/preview_form.h"
#include "startup/run_state.h"

namespace bv {
namespace {

TEST(Dispatch, SwitchesMatchAnywhereIgnoringCase) {
    EXPECT_EQ(DispatchRunMode("/S"), kRunModeScreenSaver);
    EXPECT_EQ(DispatchRunMode(""), kRunModeScreenSaver);
    EXPECT_EQ(DispatchRunMode("-root"), kRunModeScreenSaver);
    EXPECT_EQ(DispatchRunMode("/P 1234"), kRunModePreview);
    EXPECT_EQ(DispatchRunMode("/c:5678"), kRunModeConfigure);
    EXPECT_EQ(DispatchRunMode("  /A 12"), kRunModePassword);
    EXPECT_EQ(DispatchRunMode("/h"), kRunModeSupportPage);
    EXPECT_EQ(DispatchRunMode("/W"), kRunModeHomePage);
}

TEST(Dispatch, EarlierSwitchesWinWhateverTheirPlace) {
    EXPECT_EQ(DispatchRunMode("/c /p 12"), kRunModePreview);
    EXPECT_EQ(DispatchRunMode("/w /a"), kRunModePassword);
    EXPECT_EQ(DispatchRunMode("/s /h"), kRunModeSupportPage);
    EXPECT_EQ(DispatchRunMode("/w /h"), kRunModeSupportPage);
}

TEST(Dispatch, CommandLineIsJoinedTrimmedAndLowerCased) {
    const char* argv[] = {"bluvessa", "/P", "1234"};
    EXPECT_EQ(JoinArguments(3, argv), "/P 1234");
    EXPECT_EQ(JoinArguments(1, argv), "");
    EXPECT_EQ(NormaliseCommandLine("  /S  "), "/s");
    EXPECT_EQ(NormaliseCommandLine("   "), "");
}

TEST(PreviewHandle, TheLongestNumericTailIsTheHandle) {
    const struct {
        const char* commandLine;
        Long handle;
    } cases[] = {
        {"/p 1234", 1234},
        {"/p:1234", 1234},
        {"/p", 0},
        {"", 0},
        // Trailing text that is not a number hides the handle: only tails are tried.
        {"/p 1234 /c", 0},
        {"/p 41943047", 41943047},
        // As xwininfo and xscreensaver print ids, in either case, glued or not.
        {"/p 0x1c00007", 0x1c00007},
        {"/P 0X1C00007", 0x1c00007},
        {"/p0x4d2", 1234},
        {"/p:0x4d2 ", 1234},
        {"/p 0x", 0},
        {"/p 0x12g", 0},
    };
    for (const auto& [commandLine, handle] : cases)
        EXPECT_EQ(FindPreviewHandle(commandLine), handle) << '"' << commandLine << '"';
}

// What follows the switch is the handle; an option's value after it is not.
TEST(PreviewHandle, OptionsAroundTheSwitchAreNotTheHandle) {
    const struct {
        std::vector<std::string> arguments;
        Long handle;
    } cases[] = {
        {{"/p", "123", "--delay", "40"}, 123},
        {{"--scale=2", "/p", "0x1c00007", "--no-clock"}, 0x1c00007},
        {{"/p", "--delay", "40"}, 0},
    };
    for (const auto& [arguments, handle] : cases)
        EXPECT_EQ(FindPreviewHandle(SwitchLine(ParseCommandOptions(arguments))), handle)
            << arguments.size() << " arguments, the first " << arguments.front();
}

// "/a" and the like read the text after the switch as one handle.
TEST(WindowHandle, DecimalOrHexadecimalAndNothingElse) {
    const struct {
        const char* text;
        long handle;
        int failure;  // 0: none
    } cases[] = {
        {"1234", 1234, 0},
        {" 0x4d2 ", 1234, 0},
        {"0X1C00007", 0x1c00007, 0},
        {"0x7fffffff", 0x7fffffff, 0},
        {"0x80000000", 0, kOverflow},
        {"0x", 0, kTypeMismatch},
        {"0x 12", 0, kTypeMismatch},
        {"x4d2", 0, kTypeMismatch},
        {"xyz", 0, kTypeMismatch},
        {"", 0, kTypeMismatch},
    };
    for (const auto& [text, handle, failure] : cases) {
        int failed = 0;
        long read = 0;
        try {
            read = ToWindowHandleStrict(text);
        } catch (const RuntimeFailure& caught) {
            failed = caught.number();
        }
        EXPECT_EQ(failed, failure) << '"' << text << '"';
        EXPECT_EQ(read, handle) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace bv
