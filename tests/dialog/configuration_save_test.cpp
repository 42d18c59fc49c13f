// "&Apply": all 44 keys in their order, the speed at both ends of the bar,
// normalised flags, missing creatures, greyed songs and empty lists.

#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <filesystem>

#include "dialog/drop_down_list.h"
#include "dialog/save_failure.h"
#include "dialog_fixture.h"
#include "settings/ini_access.h"

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
         {std::pair{0, "140"}, std::pair{1, "139"}, std::pair{139, "1"}, std::pair{140, "1"}}) {
        Open();
        Find<QScrollBar>("speedchk").setValue(position);
        Apply();
        EXPECT_EQ(Stored("speed"), stored) << "thumb at " << position;
    }
    EXPECT_EQ(environment_.ProcessEnds(), 4);
}

TEST_F(ConfigurationSaveTest, MissingCreatureIsSavedClearAndFlagsAreNormalised) {
    environment_.StoreSettings("firstrun=5\nshark=1\nwhale=5\nspeed=0\nforeground=3\n");
    environment_.StartProgram({"bv_shark.bmp"});
    Open();
    Apply();

    EXPECT_EQ(Stored("shark"), "0");
    EXPECT_EQ(Stored("whale"), "1");
    EXPECT_EQ(Stored("firstrun"), "1");
    EXPECT_EQ(Stored("foreground"), "0");
    EXPECT_EQ(Stored("speed"), "70");  // 0 cannot be used: the first-run speed is shown and kept
    EXPECT_EQ(environment_.SettingsLines().size(), 45u);
}

// A size the list has shows and is stored again; any other shows as automatic.
TEST_F(ConfigurationSaveTest, CreatureSizeIsShownAndStored) {
    struct Case {
        const char* stored;
        const char* shown;
        const char* storedAgain;
    };
    for (const Case& c : {Case{"3", "Triple (3x)", "3"}, Case{"4", "Quadruple (4x)", "4"},
                          Case{"9", "Automatic", "0"}, Case{"", "Automatic", "0"}}) {
        environment_.StoreSettings(std::string("firstrun=1\nscale=") + c.stored + "\n");
        environment_.StartProgram();
        Open();
        EXPECT_EQ(Find<QComboBox>("CreatureSize").currentText().toStdString(), c.shown);
        Apply();
        EXPECT_EQ(Stored("scale"), c.storedAgain) << "stored " << c.stored;
    }
}

TEST_F(ConfigurationSaveTest, UserChoicesAreWritten) {
    environment_.StoreSettings("firstrun=1\nsound=1\nsong2=1\nbackground=-1\nwhale=1\nspeed=70\n");
    environment_.StartProgram();
    Open();
    Find<DropDownList>("SoundCheck").SetListIndex(0);  // the songs grey out, ticks kept
    Find<DropDownList>("CheckCenterPiece").SetListIndex(7);
    Find<QTabWidget>("Tabs").setCurrentIndex(kLargeFishTab);
    ClickBox(Check("CheckWhale"));
    ClickBox(Check("CheckDolphin"));
    Find<QTabWidget>("Tabs").setCurrentIndex(kOptionsTab);
    ClickBox(Check("clockcheck"));
    Apply();

    EXPECT_EQ(Stored("sound"), "0");
    EXPECT_EQ(Stored("song2"), "1");
    EXPECT_EQ(Stored("song1"), "0");
    EXPECT_EQ(Stored("background"), "1");  // -1 has no item: the first-run one is kept
    EXPECT_EQ(Stored("centerpiece"), "7");
    EXPECT_EQ(Stored("whale"), "0");
    EXPECT_EQ(Stored("dolphin"), "1");
    EXPECT_EQ(Stored("clock"), "1");
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
