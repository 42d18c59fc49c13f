// "&Apply": the first run's settings, all 45 keys in their order (the one
// place the first-run values are written out); the creature size; the user's
// changes, normalised flags, missing creatures, greyed songs; a refused save.

#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <filesystem>

#include "dialog/drop_down_list.h"
#include "dialog/save_failure.h"
#include "dialog_fixture.h"
#include "scene/records.h"
#include "settings/settings_globals.h"

namespace bv {
namespace {

using namespace std::string_literals;

class ConfigurationSaveTest : public test::DialogTest {
protected:
    void Apply() { QTest::mouseClick(&Find<QPushButton>("command2"), Qt::LeftButton); }
};

// The creature size comes after every other key.
TEST_F(ConfigurationSaveTest, FirstRunApplyWritesAllKeysInOrder) {
    environment_.StartProgram();
    Open();
    Apply();

    EXPECT_EQ(environment_.ProcessEnds(), 1);
    const std::vector<std::string> expected = {
        "firstrun=1",    "centerpiece=5", "background=1", "foreground=0", "whale=1",
        "orca=0",        "hammerhead=1",  "shark=1",      "manatee=0",    "octopus=1",
        "tuna=1",        "swimmaid=1",    "tigershark=0", "Dolphin=0",    "redfish=1",
        "emperorfish=1", "swimhorse=1",   "blowfish=0",   "yellowfish=1", "crab=1",
        "clam=1",        "seahorse=1",    "angelfish=1",  "bluedevil=1",  "scubadiver=1",
        "worm=1",        "mofiasnitch=0", "pillar=1",     "bottle=0",     "bubble=1",
        "anchor=1",      "marinasign=0",  "eyes=1",       "diverhead=0",  "speed=70",
        "sound=2",       "song0=0",       "song1=0",      "song2=0",      "song3=0",
        "song4=0",       "song5=0",       "message=0",    "clock=0",      "scale=0"};
    EXPECT_EQ(environment_.SettingsLines(), expected);
    EXPECT_TRUE(environment_.ReportedErrors().empty());
}

// What the user changes is stored; flags are stored as 0 or 1, a creature
// without its picture as 0, the fastest speed as 1 ms, and a stored number no
// list can show as what the run used instead.
TEST_F(ConfigurationSaveTest, ChoicesAreStoredNormalised) {
    environment_.StoreSettings(
        "firstrun=5\nshark=1\norca=5\nwhale=1\nforeground=3\nsound=1\nsong2=1\nscale=3\n"
        "background=-1\n");
    environment_.StartProgram({"bv_shark.bmp", "bv_tuna.bmp"});
    Open();
    for (const char* missing : {"CheckShark", "CheckTuna"}) {  // chosen or not, no picture
        EXPECT_FALSE(Check(missing).isChecked()) << missing;
        EXPECT_FALSE(Check(missing).isEnabled()) << missing;
    }
    Find<DropDownList>("SoundCheck").SetListIndex(0);  // the songs grey out, ticks kept
    Find<DropDownList>("CheckCenterPiece").SetListIndex(7);
    Find<QTabWidget>("Tabs").setCurrentIndex(kLargeFishTab);
    ClickBox(Check("CheckWhale"));
    ClickBox(Check("CheckDolphin"));
    Find<QTabWidget>("Tabs").setCurrentIndex(kOptionsTab);
    ClickBox(Check("clockcheck"));
    Find<QScrollBar>("speedchk").setValue(Find<QScrollBar>("speedchk").maximum());
    Apply();

    const std::vector<std::string> lines = environment_.SettingsLines();
    EXPECT_EQ(lines.size(), 45u);
    for (const std::string& line :
         {"firstrun=1"s, "shark=0"s, "tuna=0"s, "orca=1"s, "whale=0"s, "Dolphin=1"s,
          "foreground=0"s, "sound=0"s, "song2=1"s, "song1=0"s, "centerpiece=7"s, "clock=1"s,
          "speed=1"s, "scale=3"s, "background=" + std::to_string(Background.Choice)})
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
}

// A folder where the settings file should be: even the super-user cannot
// write it. The user is told which file and why; the dialog stays open, and
// once the cause is gone the next "&Apply" saves everything.
TEST_F(ConfigurationSaveTest, AFailedSaveIsToldAndTheDialogStaysOpen) {
    environment_.StartProgram();
    std::filesystem::create_directory(environment_.SettingsFile());
    Open();
    Apply();

    ASSERT_EQ(environment_.Messages().size(), 1u);
    const test::ShownMessage& message = environment_.Messages().front();
    EXPECT_EQ(message.owner, dialog_.get());
    EXPECT_EQ(message.title, kSaveFailureTitle);
    EXPECT_EQ(message.text.substr(0, message.text.find('\n')),
              "Bluvessa could not save its settings to " + environment_.SettingsFile() +
                  ": Is a directory");
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(environment_.ProcessEnds(), 0);
    EXPECT_TRUE(environment_.ReportedErrors().empty());

    std::filesystem::remove(environment_.SettingsFile());
    Apply();
    EXPECT_EQ(environment_.Messages().size(), 1u);
    EXPECT_EQ(environment_.ProcessEnds(), 1);
    EXPECT_EQ(environment_.SettingsLines().size(), 45u);
}

}  // namespace
}  // namespace bv
