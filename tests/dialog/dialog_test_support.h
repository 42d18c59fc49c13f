#pragma once
// What the dialog tests share: a Windows folder of their own with a media
// folder below it, the way out of the process caught, and the failures
// reported and the message boxes shown (each answered at once, as a user's
// OK would).

#include <QColor>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "test_support.h"

class QWidget;

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
    // "key=value" lines of the settings file, as stored.
    std::vector<std::string> SettingsLines() const;
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

// The colour a surface shows at a pixel, or 0 when there is no surface.
platform::Colour PixelOf(int handle, int x, int y);

// The bounding box of the pixels that are not black.
struct Extent {
    int left = -1, top = -1, right = -1, bottom = -1;  // right and bottom inclusive
    bool empty() const { return left < 0; }
    bool operator==(const Extent&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const Extent& e) {
        return out << e.left << "," << e.top << " to " << e.right << "," << e.bottom;
    }
};
Extent LitExtent(int handle, int x, int y, int width, int height);

}  // namespace bv::test
