// "&Apply": the first run's settings, all 45 keys in their order (the one
// place the first-run values are written out), the speed at both ends of the
// bar, the creature size, normalised flags, missing creatures and greyed songs.

#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <filesystem>

#include "dialog/drop_down_list.h"
#include "dialog/save_failure.h"
#include "dialog_fixture.h"
#include "scene/records.h"
#include "settings/ini_access.h"
#include "settings/settings_globals.h"

namespace bv {
namespace {

class ConfigurationSaveTest : public test::DialogTest {
protected:
    void Apply() { QTest::mouseClick(&Find<QPushButton>("command2"), Qt::LeftButton); }

    static std::string Stored(const std::string& key) {
        return GetIniData(kSettingsFileName, kSettingsSection, key);
    }
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

// Slow at the left; the right end and the step before it both store 1 ms.
TEST_F(ConfigurationSaveTest, SpeedFromTheScrollBar) {
    environment_.StartProgram();
    for (const auto& [position, stored] :
         {std::pair{0, "140"}, std::pair{139, "1"}, std::pair{140, "1"}}) {
        Open();
        Find<QScrollBar>("speedchk").setValue(position);
        Apply();
        EXPECT_EQ(Stored("speed"), stored) << "thumb at " << position;
    }
    EXPECT_EQ(environment_.ProcessEnds(), 3);
}

// A whole size from 1 to 4 shows as itself; anything else as automatic (0).
TEST_F(ConfigurationSaveTest, CreatureSizeIsShownAndStored) {
    environment_.StartProgram();
    for (const auto& [stored, shown] :
         {std::pair{"1", 1}, std::pair{"4", 4}, std::pair{"5", 0}, std::pair{"0", 0},
          std::pair{"2.5", 0}, std::pair{"", 0}, std::pair{"3", 3}}) {
        environment_.StoreSettings(std::string("firstrun=1\nscale=") + stored + "\n");
        Open();
        EXPECT_EQ(Find<QComboBox>("CreatureSize").currentIndex(), shown) << "stored " << stored;
    }
    EXPECT_EQ(Find<QComboBox>("CreatureSize").currentText(), QStringLiteral("Triple (3x)"));
    Apply();
    EXPECT_EQ(Stored("scale"), "3");
    EXPECT_TRUE(environment_.ReportedErrors().empty());
}

// What the user changes is stored; flags are stored as 0 or 1, a creature
// without its picture as 0 and a stored number no control can show as what
// the run used instead.
TEST_F(ConfigurationSaveTest, ChoicesAreStoredNormalised) {
    environment_.StoreSettings(
        "firstrun=5\nshark=1\norca=5\nwhale=1\nspeed=0\nforeground=3\nsound=1\nsong2=1\n"
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
    Apply();

    for (const auto& [key, value] : {std::pair{"firstrun", "1"},
                                     {"shark", "0"},
                                     {"tuna", "0"},
                                     {"orca", "1"},
                                     {"whale", "0"},
                                     {"dolphin", "1"},
                                     {"foreground", "0"},
                                     {"sound", "0"},
                                     {"song2", "1"},
                                     {"song1", "0"},
                                     {"centerpiece", "7"},
                                     {"clock", "1"}})
        EXPECT_EQ(Stored(key), value) << key;
    EXPECT_EQ(Stored("speed"), std::to_string(Speed));
    EXPECT_EQ(Stored("background"), std::to_string(Background.Choice));
    EXPECT_EQ(environment_.SettingsLines().size(), 45u);
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
