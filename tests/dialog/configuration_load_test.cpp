// Opening the settings dialog: the stored settings in the controls, the
// first-run values, creatures whose picture is missing, a stored number the
// controls cannot show, and the ways out that save nothing.

#include <QGroupBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <set>

#include "dialog/drop_down_list.h"
#include "dialog/picture_box.h"
#include "dialog_fixture.h"

namespace bv {
namespace {

class ConfigurationLoadTest : public test::DialogTest {};

TEST_F(ConfigurationLoadTest, FirstRunShowsTheFirstRunValues) {
    environment_.StartProgram();
    Configuration& dialog = Open();

    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Bluvessa ScreenSaver"));
    EXPECT_EQ(dialog.size(), QSize(489, 245));
    EXPECT_EQ(Find<DropDownList>("CheckBackground").currentText(), QStringLiteral("ArchWay"));
    EXPECT_EQ(Find<DropDownList>("CheckCenterPiece").currentText(),
              QStringLiteral("Relaxed Mermaid"));
    EXPECT_EQ(Find<DropDownList>("CheckForeGround").currentText(), QStringLiteral("Coral Reef"));
    EXPECT_EQ(Find<QScrollBar>("speedchk").value(), 70);
    EXPECT_EQ(Find<DropDownList>("SoundCheck").currentText(), QStringLiteral("Sound Effects"));
    EXPECT_FALSE(Find<QGroupBox>("MusicFrame").isEnabled());
    for (int song = 0; song < 6; ++song) {
        const QCheckBox& box = Check(QStringLiteral("songchk%1").arg(song).toLatin1().constData());
        EXPECT_FALSE(box.isEnabled());
        EXPECT_FALSE(box.isChecked());
    }

    const std::set<QString> offAtFirstRun = {
        "CheckOrca",       "CheckManatee",     "CheckTigerShark", "CheckDolphin", "CheckBlowFish",
        "CheckMarinaSign", "CheckMofiaSnitch", "CheckDiverHead",  "CheckBottle"};
    int creatures = 0;
    for (const Creature& creature : Creatures()) {
        const QCheckBox& box = Check(creature.checkBoxName);
        EXPECT_EQ(box.isChecked(), !offAtFirstRun.contains(box.objectName())) << creature.caption;
        EXPECT_TRUE(box.isEnabled());
        ++creatures;
    }
    EXPECT_EQ(creatures, 30);

    EXPECT_FALSE(Check("messagecheck").isChecked());
    EXPECT_FALSE(Find<QPushButton>("changebutton").isEnabled());
    EXPECT_FALSE(Check("clockcheck").isChecked());
    EXPECT_EQ(dialog.focusWidget(), &Find<QPushButton>("command2"));
    EXPECT_EQ(Find<QTabWidget>("Tabs").currentIndex(), 0);
    EXPECT_TRUE(Find<PictureBox>("PreviewPicture").isVisible());
    EXPECT_TRUE(Find<QTimer>("Timer1").isActive());
    EXPECT_EQ(Find<QTimer>("Timer1").interval(), 100);
    EXPECT_TRUE(environment_.ReportedErrors().empty());
    EXPECT_FALSE(environment_.SettingsFileExists());  // loading writes nothing
}

// The layout is fixed; the font must leave every caption whole.
TEST_F(ConfigurationLoadTest, EveryCaptionFitsItsControl) {
    environment_.StartProgram();
    Configuration& dialog = Open();
    for (const QCheckBox* box : dialog.findChildren<QCheckBox*>())
        EXPECT_LE(box->sizeHint().width(), box->width()) << box->text().toStdString();
    for (const QPushButton* button : dialog.findChildren<QPushButton*>())
        EXPECT_LE(button->sizeHint().width(), button->width()) << button->text().toStdString();
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
    EXPECT_TRUE(Find<QGroupBox>("MusicFrame").isEnabled());
    for (int song = 0; song < 6; ++song) {
        const QCheckBox& box = Check(QStringLiteral("songchk%1").arg(song).toLatin1().constData());
        EXPECT_TRUE(box.isEnabled());
        EXPECT_EQ(box.isChecked(), song == 0 || song == 3) << song;
    }
    EXPECT_TRUE(Check("messagecheck").isChecked());
    EXPECT_TRUE(Find<QPushButton>("changebutton").isEnabled());
    EXPECT_TRUE(Check("clockcheck").isChecked());
    EXPECT_TRUE(Check("CheckWhale").isChecked());
    EXPECT_TRUE(Check("CheckOrca").isChecked());
    EXPECT_FALSE(Check("CheckShark").isChecked());  // not stored: off once saved
    EXPECT_TRUE(environment_.ReportedErrors().empty());
}

TEST_F(ConfigurationLoadTest, SlowestStoredSpeedPutsTheThumbAtTheLeft) {
    environment_.StoreSettings("firstrun=1\nspeed=140\n");
    environment_.StartProgram();
    Open();
    EXPECT_EQ(Find<QScrollBar>("speedchk").value(), 0);
}

TEST_F(ConfigurationLoadTest, CreatureWithoutItsPictureIsClearAndDisabled) {
    environment_.StoreSettings("firstrun=1\nshark=1\nwhale=1\n");
    environment_.StartProgram({"bv_shark.bmp", "bv_orca.bmp"});
    Open();

    EXPECT_FALSE(Check("CheckShark").isChecked());
    EXPECT_FALSE(Check("CheckShark").isEnabled());
    EXPECT_FALSE(Check("CheckOrca").isChecked());  // not chosen, and missing
    EXPECT_FALSE(Check("CheckOrca").isEnabled());
    EXPECT_TRUE(Check("CheckWhale").isChecked());
    EXPECT_TRUE(Check("CheckWhale").isEnabled());
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
    EXPECT_EQ(Find<DropDownList>("CheckBackground").currentText(), QStringLiteral("ArchWay"));
    EXPECT_EQ(Find<DropDownList>("CheckCenterPiece").currentText(),
              QStringLiteral("Relaxed Mermaid"));
    EXPECT_EQ(Find<DropDownList>("SoundCheck").currentText(), QStringLiteral("Sound Effects"));
    EXPECT_EQ(Find<QScrollBar>("speedchk").value(), 0);  // 500 shows at the slow end
    EXPECT_NE(warned.find("speed=500"), std::string::npos) << warned;
    EXPECT_TRUE(Check("clockcheck").isChecked());
}

TEST_F(ConfigurationLoadTest, CancelEndsWithoutWriting) {
    environment_.StartProgram();
    Open();
    QTest::mouseClick(&Find<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_EQ(environment_.ProcessEnds(), 1);
    EXPECT_FALSE(environment_.SettingsFileExists());
    EXPECT_FALSE(Find<QTimer>("Timer1").isActive());
}

TEST_F(ConfigurationLoadTest, TitleBarCloseEndsWithoutWriting) {
    environment_.StartProgram();
    Configuration& dialog = Open();
    EXPECT_TRUE(dialog.close());
    EXPECT_EQ(environment_.ProcessEnds(), 1);
    EXPECT_FALSE(environment_.SettingsFileExists());
}

}  // namespace
}  // namespace bv
