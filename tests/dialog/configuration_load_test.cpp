// Opening the settings dialog: the window as it first shows, the stored
// settings in the controls, stored numbers the controls cannot show, and the
// ways out that save nothing. The first run's choices are checked once, by
// what "&Apply" then stores.

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>

#include "dialog/drop_down_list.h"
#include "dialog/picture_box.h"
#include "dialog/thumbnail_box.h"
#include "dialog_fixture.h"
#include "scene/records.h"
#include "settings/settings_globals.h"

namespace bv {
namespace {

class ConfigurationLoadTest : public test::DialogTest {};

// The first run: a fixed window on its first tab with "&Apply" focused and the
// preview running; each creature's box as the creature table has it.
TEST_F(ConfigurationLoadTest, TheFirstRunOpensTheWindowAndWritesNothing) {
    environment_.StartProgram();
    Configuration& dialog = Open();

    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Bluvessa ScreenSaver"));
    EXPECT_EQ(dialog.size(), QSize(489, 245));
    EXPECT_EQ(dialog.focusWidget(), &Find<QPushButton>("command2"));
    EXPECT_EQ(Find<QTabWidget>("Tabs").currentIndex(), 0);
    EXPECT_TRUE(Find<PictureBox>("PreviewPicture").isVisible());
    EXPECT_TRUE(Find<QTimer>("Timer1").isActive());
    EXPECT_EQ(Find<QTimer>("Timer1").interval(), 100);
    // The layout is fixed; the font must leave every caption whole.
    for (const QCheckBox* box : dialog.findChildren<QCheckBox*>())
        EXPECT_LE(box->sizeHint().width(), box->width()) << box->text().toStdString();
    for (const QPushButton* button : dialog.findChildren<QPushButton*>())
        EXPECT_LE(button->sizeHint().width(), button->width()) << button->text().toStdString();
    for (const Creature& creature : Creatures()) {
        const QCheckBox& check = Check(creature.checkBoxName);
        EXPECT_EQ(check.isChecked(), creature.onAtFirstRun) << creature.caption;
        EXPECT_TRUE(check.isEnabled()) << creature.caption;
        // Its thumbnail stands to the right of the box, on the same row, in the same frame.
        const QRect thumbnail = Find<ThumbnailBox>(creature.thumbnailName).geometry();
        EXPECT_GT(thumbnail.left(), check.geometry().right()) << creature.caption;
        EXPECT_EQ(thumbnail.top(), check.geometry().top()) << creature.caption;
        EXPECT_TRUE(check.parentWidget()->rect().contains(thumbnail)) << creature.caption;
    }
    ExpectSongs(SoundMode == kSoundMusic, {});
    EXPECT_FALSE(Find<QPushButton>("changebutton").isEnabled());
    EXPECT_TRUE(environment_.ReportedErrors().empty());
    EXPECT_FALSE(environment_.SettingsFileExists());  // loading writes nothing
}

TEST_F(ConfigurationLoadTest, StoredSettingsAreShown) {
    environment_.StoreSettings(
        "firstrun=1\nbackground=3\ncenterpiece=0\nspeed=1\nsound=1\nsong0=1\nsong3=1\n"
        "message=1\nclock=1\nwhale=1\norca=7\n");
    environment_.StartProgram();
    Open();

    EXPECT_EQ(Find<DropDownList>("CheckBackground").currentText(),
              QStringLiteral("Skull Mountain"));
    EXPECT_EQ(Find<DropDownList>("CheckCenterPiece").currentText(), QStringLiteral("<None>"));
    EXPECT_EQ(Find<QScrollBar>("speedchk").value(), 139);  // speed 1: the thumb by "Fast"
    EXPECT_EQ(Find<DropDownList>("SoundCheck").currentText(), QStringLiteral("MIDI Music"));
    ExpectSongs(true, {0, 3});
    EXPECT_TRUE(Check("messagecheck").isChecked());
    EXPECT_TRUE(Find<QPushButton>("changebutton").isEnabled());
    EXPECT_TRUE(Check("clockcheck").isChecked());
    EXPECT_TRUE(Check("CheckWhale").isChecked());
    EXPECT_TRUE(Check("CheckOrca").isChecked());
    EXPECT_FALSE(Check("CheckShark").isChecked());  // not stored: off once saved
    EXPECT_TRUE(environment_.ReportedErrors().empty());
}

// Stored numbers the lists or the scroll bar cannot show never keep the
// dialog from opening: it shows what the run would use, so Apply mends the file.
TEST_F(ConfigurationLoadTest, UnusableStoredNumbersStillOpenTheDialog) {
    environment_.StoreSettings(
        "firstrun=1\nbackground=99\ncenterpiece=-1\nsound=9\nspeed=500\nclock=1\n");
    environment_.StartProgram();
    ::testing::internal::CaptureStderr();
    Configuration& dialog = Open();
    const std::string warned = ::testing::internal::GetCapturedStderr();

    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(environment_.ReportedErrors().empty());
    EXPECT_EQ(Find<DropDownList>("CheckBackground").ListIndex(), Background.Choice);
    EXPECT_EQ(Find<DropDownList>("CheckCenterPiece").ListIndex(), CenterPiece.Choice);
    EXPECT_EQ(Find<DropDownList>("SoundCheck").ListIndex(), SoundMode);
    EXPECT_EQ(Find<QScrollBar>("speedchk").value(), 0);  // 500 shows at the slow end
    EXPECT_NE(warned.find("speed=500"), std::string::npos) << warned;
    EXPECT_TRUE(Check("clockcheck").isChecked());
}

// A whole size from 1 to 4 shows as itself; anything else as automatic (0).
TEST_F(ConfigurationLoadTest, StoredCreatureSizeIsShown) {
    environment_.StartProgram();
    for (const auto& [stored, shown] :
         {std::pair{"1", 1}, std::pair{"4", 4}, std::pair{"5", 0}, std::pair{"0", 0},
          std::pair{"2.5", 0}, std::pair{"", 0}, std::pair{"3", 3}}) {
        environment_.StoreSettings(std::string("firstrun=1\nscale=") + stored + "\n");
        Open();
        EXPECT_EQ(Find<QComboBox>("CreatureSize").currentIndex(), shown) << "stored " << stored;
    }
    EXPECT_EQ(Find<QComboBox>("CreatureSize").currentText(), QStringLiteral("Triple (3x)"));
    EXPECT_TRUE(environment_.ReportedErrors().empty());
}

TEST_F(ConfigurationLoadTest, CancelAndTheTitleBarEndWithoutWriting) {
    const std::function<void(Configuration&)> waysOut[] = {
        [this](Configuration&) {
            QTest::mouseClick(&Find<QPushButton>("Command1"), Qt::LeftButton);
        },
        [](Configuration& dialog) { EXPECT_TRUE(dialog.close()); }};
    environment_.StartProgram();
    for (const auto& leave : waysOut) {
        leave(Open());
        EXPECT_FALSE(Find<QTimer>("Timer1").isActive());
    }
    EXPECT_EQ(environment_.ProcessEnds(), 2);
    EXPECT_FALSE(environment_.SettingsFileExists());
}

}  // namespace
}  // namespace bv
