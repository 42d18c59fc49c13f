// The message entry dialog: Enter applies like "&Apply Changes", apply keeps
// the edit for the next "Change", cancel and the title bar drop it.

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <filesystem>
#include <functional>

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

    static void Press(messageentry& entry, const char* button) {
        QTest::mouseClick(entry.findChild<QPushButton*>(QString::fromLatin1(button)),
                          Qt::LeftButton);
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

// An applied edit is stored (an empty one too); a cancelled one, by the
// button or the title bar, is dropped, and the next "Change" starts again
// from the text read at start-up.
TEST_F(MessageEntryTest, CancelAndTheTitleBarDropTheEdit) {
    const std::function<void(messageentry&)> waysToCancel[] = {
        [](messageentry& entry) { Press(entry, "Cancel"); },
        [](messageentry& entry) { EXPECT_TRUE(entry.close()); }};
    messageentry& entry = Change();
    Text1(entry).clear();
    Press(entry, "Apply");
    for (const auto& cancel : waysToCancel) {
        messageentry& again = Change();
        Retype(again, QStringLiteral("Dropped"));
        cancel(again);
        EXPECT_TRUE(dialog_->isVisible());
        EXPECT_EQ(MessageLines(), std::vector<std::string>{"messagetext="});
        messageentry& next = Change();
        EXPECT_EQ(Text1(next).text(), QStringLiteral("Hello reef"));
        next.close();
    }
    EXPECT_EQ(environment_.ProcessEnds(), 0);  // only the settings dialog ends the program

    // The settings dialog's own cancel does not undo the applied text.
    QTest::mouseClick(&Find<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_EQ(MessageLines(), std::vector<std::string>{"messagetext="});
}

// A text the settings file does not take: the user is told, and the message
// dialog stays up with the text as typed.
TEST_F(MessageEntryTest, AFailedApplyIsToldAndTheEntryStaysOpen) {
    std::filesystem::remove(environment_.SettingsFile());
    std::filesystem::create_directory(environment_.SettingsFile());
    messageentry& entry = Change();
    Retype(entry, QStringLiteral("Kept"));
    Press(entry, "Apply");

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
