// The options page keeps its controls consistent: the sound type greys the
// songs, the message box enables "Change".

#include <QPushButton>
#include <QTabWidget>

#include "dialog/drop_down_list.h"
#include "dialog_fixture.h"
#include "settings/settings_globals.h"
#include "sound/midi_file_check.h"
#include "test_support.h"

namespace bv {
namespace {

class OptionsPageTest : public test::DialogTest {
protected:
    void SetUp() override {
        environment_.StoreSettings("firstrun=1\nsound=1\nsong1=1\nsong4=1\n");
        environment_.StartProgram();
        Open();
        Find<QTabWidget>("Tabs").setCurrentIndex(kOptionsTab);
    }
};

TEST_F(OptionsPageTest, SoundTypeGreysTheSongsButKeepsTheirTicks) {
    DropDownList& sound = Find<DropDownList>("SoundCheck");
    ExpectSongs(true, {1, 4});
    for (int type : {0, 1, 2}) {
        sound.SetListIndex(type);
        ExpectSongs(type == kSoundMusic, {1, 4});
    }
    // The user's own choice runs the same handler.
    sound.setFocus();
    QTest::keyClick(&sound, Qt::Key_Up);
    EXPECT_EQ(sound.currentText(), QStringLiteral("MIDI Music"));
    ExpectSongs(true, {1, 4});
}

TEST_F(OptionsPageTest, TextMessageEnablesChange) {
    QPushButton& change = Find<QPushButton>("changebutton");
    EXPECT_FALSE(change.isEnabled());
    ClickBox(Check("messagecheck"));
    EXPECT_TRUE(change.isEnabled());
    ClickBox(Check("messagecheck"));
    EXPECT_FALSE(change.isEnabled());
    ClickBox(Check("clockcheck"));  // the clock has no such coupling
    EXPECT_FALSE(change.isEnabled());
}

// The song list names the songs the media pack plays: each box's caption is
// the title its song file carries.
TEST_F(OptionsPageTest, EachSongIsListedByItsOwnTitle) {
    for (int song = 0; song < 6; ++song) {
        const std::string bytes =
            test::ReadBytes(BLUVESSA_MEDIA_PACK_DIR "bv_song" + std::to_string(song) + ".Mid");
        std::string title;
        WalkMidiFile(bytes, [&](const MidiFileEvent& event) {
            if (title.empty() && event.status == 0xFF && event.metaType == 0x03)
                title = std::string(event.data);
        });
        ASSERT_FALSE(title.empty()) << "song " << song << " has no title";
        const QCheckBox& box = Check(QStringLiteral("songchk%1").arg(song).toLatin1().constData());
        EXPECT_EQ(box.text().toStdString(), title) << "song " << song;
    }
}

}  // namespace
}  // namespace bv
