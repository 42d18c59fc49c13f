// Which mode a command line starts, and how the preview handle is found.
#include "startup/dispatch.h"

#include <gtest/gtest.h>

#include "settings/settings_globals.h"
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
    EXPECT_EQ(FindPreviewHandle("/p 1234"), 1234);
    EXPECT_EQ(FindPreviewHandle("/p:1234"), 1234);
    EXPECT_EQ(FindPreviewHandle("/p"), 0);
    EXPECT_EQ(FindPreviewHandle(""), 0);
    // Trailing text that is not a number hides the handle: only tails are tried.
    EXPECT_EQ(FindPreviewHandle("/p 1234 /c"), 0);
    EXPECT_EQ(FindPreviewHandle("/p 41943047"), 41943047);
}

}  // namespace
}  // namespace bv
