// The message entry dialog: Enter applies like "&Apply Changes", apply keeps
// the edit for the next "Change", cancel and the title bar drop it.

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <filesystem>

#include "dialog/message_entry_form.h"
#include "dialog_fixture.h"
#include "settings/ini_access.h"
#include "settings/settings_globals.h"

namespace bv {
namespace {

class MessageEntryTest : public test::DialogTest {
protected:
    void SetUp() override {
        environment_.StoreSettings("firstrun=1\nmessage=1\nmessagetext=Hello reef\n");
        environment_.StartProgram();
        Open();
        Find<QTabWidget>("Tabs").setCurrentIndex(kOptionsTab);
    }

    // Clicks "Change" and returns the message dialog it shows.
    messageentry& Change() {
        QTest::mouseClick(&Find<QPushButton>("changebutton"), Qt::LeftButton);
        messageentry* entry = VisibleWindow<messageentry>("messageentry");
        if (entry == nullptr) throw std::logic_error("no message dialog shown");
        EXPECT_FALSE(dialog_->isVisible());
        return *entry;
    }

    static QLineEdit& Text1(messageentry& entry) {
        return *entry.findChild<QLineEdit*>(QStringLiteral("Text1"));
    }

    static void Retype(messageentry& entry, const QString& text) {
        Text1(entry).clear();
        QTest::keyClicks(&Text1(entry), text);
    }

    std::vector<std::string> MessageLines() const {
        std::vector<std::string> found;
        for (const std::string& line : environment_.SettingsLines())
            if (line.rfind("messagetext=", 0) == 0) found.push_back(line);
        return found;
    }
};

TEST_F(MessageEntryTest, EnterInTheMessageBoxApplies) {
    messageentry& entry = Change();
    EXPECT_EQ(entry.windowTitle(), QStringLiteral("Bluvessa ScreenSaver Message"));
    EXPECT_EQ(Text1(entry).text(), QStringLiteral("Hello reef"));

    Retype(entry, QStringLiteral("  Gone fishing  "));
    QTest::keyClick(&Text1(entry), Qt::Key_Return);

    EXPECT_EQ(MessageLines(), std::vector<std::string>{"messagetext=  Gone fishing  "});
    EXPECT_FALSE(entry.isVisible());
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(MessageText, "Hello reef");  // the running program keeps what it read

    messageentry& again = Change();
    EXPECT_EQ(&again, &entry);
    EXPECT_EQ(Text1(again).text(), QStringLiteral("  Gone fishing  "));
}

TEST_F(MessageEntryTest, CancelThenChangeShowsTheTextReadAtStartUp) {
    messageentry& entry = Change();
    Retype(entry, QStringLiteral("Applied"));
    QTest::mouseClick(entry.findChild<QPushButton*>(QStringLiteral("Apply")), Qt::LeftButton);
    messageentry& second = Change();
    Retype(second, QStringLiteral("Dropped"));
    QTest::mouseClick(second.findChild<QPushButton*>(QStringLiteral("Cancel")), Qt::LeftButton);

    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(MessageLines(), std::vector<std::string>{"messagetext=Applied"});
    messageentry& third = Change();
    EXPECT_EQ(Text1(third).text(), QStringLiteral("Hello reef"));

    // The settings dialog's own cancel does not undo the applied text.
    third.close();
    QTest::mouseClick(&Find<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_EQ(MessageLines(), std::vector<std::string>{"messagetext=Applied"});
}

TEST_F(MessageEntryTest, TitleBarCloseCancels) {
    messageentry& entry = Change();
    Retype(entry, QStringLiteral("Dropped"));
    EXPECT_TRUE(entry.close());
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(MessageLines(), std::vector<std::string>{"messagetext=Hello reef"});
    EXPECT_EQ(environment_.ProcessEnds(), 0);  // only the settings dialog ends the program
}

TEST_F(MessageEntryTest, EmptyMessageIsStored) {
    messageentry& entry = Change();
    Text1(entry).clear();
    QTest::mouseClick(entry.findChild<QPushButton*>(QStringLiteral("Apply")), Qt::LeftButton);
    EXPECT_EQ(MessageLines(), std::vector<std::string>{"messagetext="});
}

// A text the settings file does not take: the user is told, and the message
// dialog stays up with the text as typed.
TEST_F(MessageEntryTest, AFailedApplyIsToldAndTheEntryStaysOpen) {
    std::filesystem::remove(environment_.SettingsFile());
    std::filesystem::create_directory(environment_.SettingsFile());
    messageentry& entry = Change();
    Retype(entry, QStringLiteral("Kept"));
    QTest::mouseClick(entry.findChild<QPushButton*>(QStringLiteral("Apply")), Qt::LeftButton);

    ASSERT_EQ(environment_.Messages().size(), 1u);
    const test::ShownMessage& message = environment_.Messages().front();
    EXPECT_EQ(message.owner, &entry);
    EXPECT_NE(message.text.find(environment_.SettingsFile() + ": Is a directory"),
              std::string::npos)
        << message.text;
    EXPECT_TRUE(entry.isVisible());
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(Text1(entry).text(), QStringLiteral("Kept"));
}

}  // namespace
}  // namespace bv
