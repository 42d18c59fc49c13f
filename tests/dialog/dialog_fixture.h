#pragma once
// What the dialog tests share: a Windows folder of their own with a media
// folder below it, the way out of the process caught, the failures reported
// and the message boxes shown (each answered at once, as a user's OK would),
// and a settings dialog opened the way "/c" opens it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QColor>
#include <QTest>
#include <algorithm>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "dialog/configuration_form.h"
#include "test_support.h"

namespace bv::test {

struct ShownMessage {
    QWidget* owner = nullptr;
    std::string title;
    std::string text;
};

class DialogEnvironment {
public:
    // Sets up the folders and the screen, with no settings file yet.
    DialogEnvironment();
    DialogEnvironment(const DialogEnvironment&) = delete;
    DialogEnvironment& operator=(const DialogEnvironment&) = delete;
    ~DialogEnvironment();

    std::string SettingsFile() const { return windows_ / "zentrova.ini"; }
    bool SettingsFileExists() const;
    std::vector<std::string> SettingsLines() const;  // "key=value", as stored
    void StoreSettings(const std::string& keyValueLines) const;

    // Puts a picture file for every scene and creature record into the
    // media folder (placeholders unless a test writes a real sheet), leaves
    // out the files named, and then reads the settings and sets up every
    // record the way the program's start does.
    void StartProgram(std::initializer_list<std::string> missingPictures = {});

    // Writes a sprite sheet into the media folder: frame k is a
    // frameWidth x frameHeight block of colours[k] over an opaque (black) mask.
    void WriteSheet(const std::string& fileName, int frameWidth, int frameHeight,
                    const std::vector<QColor>& colours) const;

    int ProcessEnds() const { return processEnds_; }
    const std::vector<std::string>& ReportedErrors() const { return errors_.codes(); }
    const std::vector<ShownMessage>& Messages() const { return messages_; }

private:
    ScratchFolder windows_;
    ScopedEnvironment windowsVariable_{"BLUVESSA_WINDOWS_DIR", windows_.path().c_str()};
    std::string assetDir_;
    int processEnds_ = 0;
    ErrorRecorder errors_;
    std::vector<ShownMessage> messages_;
};

class DialogTest : public ::testing::Test {
protected:
    void TearDown() override {
        dialog_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    Configuration& Open() {
        dialog_ = std::make_unique<Configuration>();
        dialog_->Load();
        return *dialog_;
    }

    template <typename Control>
    Control& Find(const char* name) const {
        auto* control = dialog_->findChild<Control*>(QString::fromLatin1(name));
        if (control == nullptr) throw std::logic_error(std::string("no control ") + name);
        return *control;
    }

    QCheckBox& Check(const char* name) const { return Find<QCheckBox>(name); }

    // The six song boxes (and their frame) greyed or not, and which are ticked.
    void ExpectSongs(bool enabled, std::initializer_list<int> ticked) const {
        EXPECT_EQ(Find<QWidget>("MusicFrame").isEnabled(), enabled);
        for (int song = 0; song < 6; ++song) {
            const QCheckBox& box =
                Check(QStringLiteral("songchk%1").arg(song).toLatin1().constData());
            EXPECT_EQ(box.isEnabled(), enabled) << song;
            EXPECT_EQ(box.isChecked(), std::count(ticked.begin(), ticked.end(), song) == 1) << song;
        }
    }

    // A user's click on the box's square.
    static void ClickBox(QCheckBox& box) {
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(6, box.height() / 2));
    }

    // A window of the program on screen other than the settings dialog.
    template <typename Window>
    static Window* VisibleWindow(const char* name) {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == QLatin1String(name) && window->isVisible())
                if (auto* found = qobject_cast<Window*>(window)) return found;
        return nullptr;
    }

    DialogEnvironment environment_;
    std::unique_ptr<Configuration> dialog_;
};

}  // namespace bv::test
