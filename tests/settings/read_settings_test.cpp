// Reading every setting at start-up: first-run values, flags, Integers, the
// song keys and the failure of an out-of-range Integer.

#include "startup/read_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "errors/error_code.h"
#include "scene/creatures.h"
#include "scene/records.h"
#include "settings/settings_globals.h"
#include "startup/run_reset.h"
#include "test_support.h"

namespace bv {
namespace {

using test::WriteBytes;
using namespace std::string_literals;

class ReadSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { WindowsDir = folder_.path(); }

    // A settings file whose section holds the given "key=value" lines.
    void Store(const std::string& entries) {
        WriteBytes(folder_ / "zentrova.ini", "[Bluvessa]\n" + entries);
    }

    static int EnabledCreatures() {
        int count = 0;
        for (const Creature& creature : Creatures()) count += creature.record->Enabled == kTrue;
        return count;
    }

    void ExpectFirstRunValues() {
        EXPECT_EQ(Background.Choice, 1);
        EXPECT_EQ(CenterPiece.Choice, 5);
        EXPECT_EQ(Foreground.Choice, 0);
        EXPECT_EQ(Speed, 70);
        EXPECT_EQ(SoundMode, 2);
        EXPECT_EQ(ShowMessage, kFalse);
        EXPECT_EQ(MessageText, "");
        EXPECT_EQ(ShowClock, kFalse);
        for (Integer song : SongEnabled) EXPECT_EQ(song, kFalse);
        EXPECT_EQ(EnabledCreatures(), 21);
        EXPECT_EQ(Shark.Enabled, kTrue);
        EXPECT_EQ(SwimMaid.Enabled, kTrue);
        EXPECT_EQ(Dolphin.Enabled, kFalse);
        EXPECT_EQ(Orca.Enabled, kFalse);
        EXPECT_EQ(BlueDevil(1).Enabled, kTrue);
        EXPECT_EQ(Clam(1).Enabled, kTrue);
        EXPECT_EQ(BlowFish.Enabled, kFalse);
        EXPECT_EQ(BubblesLeft(1).Enabled, kTrue);
        EXPECT_EQ(Pillar(1).Enabled, kTrue);
        EXPECT_EQ(Bottle(1).Enabled, kFalse);
        EXPECT_EQ(MofiaSnitch.Enabled, kFalse);
    }

    test::ScratchFolder folder_;
    test::ErrorRecorder errors_;
};

TEST_F(ReadSettingsTest, NoFileGivesTheFirstRunValues) {
    Foreground.Choice = 4;
    X_GetData();
    ExpectFirstRunValues();
    EXPECT_TRUE(errors_.codes().empty());
}

TEST_F(ReadSettingsTest, UntilTheDialogHasSavedEveryOtherKeyIsIgnored) {
    std::string everyKey =
        "background=3\ncenterpiece=2\nspeed=10\nmessage=1\nmessagetext=hi\n"
        "sound=1\nsong0=1\nsong5=1\nclock=1\n";
    for (const Creature& creature : Creatures()) everyKey += std::string(creature.key) + "=1\n";

    for (const char* firstRun :
         {"firstrun=0\n", "firstrun=\n", "firstrun=-1\n", "firstrun=yes\n", ""}) {
        SCOPED_TRACE(firstRun);
        ResetRunState();
        WindowsDir = folder_.path();
        Store(firstRun + everyKey);
        X_GetData();
        ExpectFirstRunValues();
    }
}

TEST_F(ReadSettingsTest, EachCreatureKeyEnablesItsOwnRecordOnly) {
    for (const Creature& creature : Creatures()) {
        SCOPED_TRACE(creature.key);
        ResetRunState();
        WindowsDir = folder_.path();
        Store(std::string("firstrun=1\n") + creature.key + "=1\n");
        X_GetData();
        EXPECT_EQ(creature.record->Enabled, kTrue);
        EXPECT_EQ(EnabledCreatures(), 1);
    }
}

TEST_F(ReadSettingsTest, AFlagIsSetByAPositiveLeadingNumberAndNeverCleared) {
    Store(
        "firstrun=1\nshark=2\nwhale=1abc\nDolphin= 1\norca=-1\nmanatee=\ntuna=yes\n"
        "octopus=0.4\nhammerhead=0\n");
    Hammerhead.Enabled = kTrue;  // as if set before: a stored 0 does not clear it
    X_GetData();
    EXPECT_EQ(Shark.Enabled, kTrue);
    EXPECT_EQ(Whale.Enabled, kTrue);
    EXPECT_EQ(Dolphin.Enabled, kTrue);
    EXPECT_EQ(Octopus.Enabled, kTrue);
    EXPECT_EQ(Orca.Enabled, kFalse);
    EXPECT_EQ(Manatee.Enabled, kFalse);
    EXPECT_EQ(Tuna.Enabled, kFalse);
    EXPECT_EQ(SwimMaid.Enabled, kFalse);  // missing key
    EXPECT_EQ(Hammerhead.Enabled, kTrue);
    EXPECT_TRUE(errors_.codes().empty());
}

TEST_F(ReadSettingsTest, IntegersRoundHalfToEven) {
    Store("firstrun=1\nbackground=2.5\ncenterpiece=3.5\nspeed=70.5\nsound=1.2\nforeground=7\n");
    X_GetData();
    EXPECT_EQ(Background.Choice, 2);
    EXPECT_EQ(CenterPiece.Choice, 4);
    EXPECT_EQ(Speed, 70);
    EXPECT_EQ(SoundMode, 1);
    EXPECT_EQ(Foreground.Choice, 0);

    Store("firstrun=1\nspeed=71.5\n");
    X_GetData();
    EXPECT_EQ(Speed, 72);
    EXPECT_TRUE(errors_.codes().empty());
}

TEST_F(ReadSettingsTest, SongKeysAreReadOnlyForMusic) {
    Store("firstrun=1\nsound=2\nsong0=1\nsong3=1\n");
    X_GetData();
    EXPECT_EQ(SoundMode, 2);
    EXPECT_EQ(SongEnabled[0], kFalse);
    EXPECT_EQ(SongEnabled[3], kFalse);

    Store("firstrun=1\nsound=1\nsong0=1\nsong3=1\nsong5=1\nsong1=0\n");
    X_GetData();
    EXPECT_EQ(SongEnabled[0], kTrue);
    EXPECT_EQ(SongEnabled[1], kFalse);
    EXPECT_EQ(SongEnabled[2], kFalse);
    EXPECT_EQ(SongEnabled[3], kTrue);
    EXPECT_EQ(SongEnabled[4], kFalse);
    EXPECT_EQ(SongEnabled[5], kTrue);
}

TEST_F(ReadSettingsTest, TheMessageAndClockArriveAsStored) {
    const std::string message(200, 'M');
    Store("firstrun=1\nmessage=1\nmessagetext=" + message + "\nclock=1\n");
    X_GetData();
    EXPECT_EQ(ShowMessage, kTrue);
    EXPECT_EQ(MessageText, message.substr(0, 127));
    EXPECT_EQ(ShowClock, kTrue);
}

// A value that cannot be used falls back to its first-run value, with one
// line on standard error; the keys after it are read as usual.
TEST_F(ReadSettingsTest, AnUnusableValueFallsBackAndTheReadingGoesOn) {
    struct Case {
        const char* stored;
        Integer* read;
        Integer firstRun;
    };
    for (const Case& c :
         {Case{"speed=40000", &Speed, 70}, Case{"speed=0", &Speed, 70},
          Case{"speed=-5", &Speed, 70}, Case{"speed=abc", &Speed, 70},
          Case{"background=99", &Background.Choice, 1},
          Case{"background=1e9", &Background.Choice, 1},
          Case{"centerpiece=8", &CenterPiece.Choice, 5}, Case{"sound=9", &SoundMode, 2}}) {
        SCOPED_TRACE(c.stored);
        ResetRunState();
        WindowsDir = folder_.path();
        // Where a key stands twice the first counts: the case, then the usual speed.
        Store(std::string("firstrun=1\n") + c.stored +
              "\nshark=1\nspeed=60\nmessage=1\nmessagetext=hello\nclock=1\n");
        ::testing::internal::CaptureStderr();
        X_GetData();
        const std::string warned = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(*c.read, c.firstRun);
        EXPECT_NE(warned.find(c.stored), std::string::npos) << warned;
        EXPECT_EQ(std::count(warned.begin(), warned.end(), '\n'), 1) << warned;
        EXPECT_EQ(Shark.Enabled, kTrue);
        EXPECT_EQ(ShowMessage, kTrue);
        EXPECT_EQ(MessageText, "hello");
        EXPECT_EQ(ShowClock, kTrue);
        EXPECT_TRUE(errors_.codes().empty());
    }
}

TEST_F(ReadSettingsTest, ADamagedFileReadsAsFarAsItMakesSense) {
    Store("\x00\xFF garbage\x01\n"s + "firstrun=1\r\nspeed=\"55\"\r" + std::string(70000, 'z') +
          "\nsound=\xFF\xFE\n");
    X_GetData();
    EXPECT_EQ(Speed, 55);
    EXPECT_EQ(SoundMode, 0);
    EXPECT_TRUE(errors_.codes().empty());
}

}  // namespace
}  // namespace bv
