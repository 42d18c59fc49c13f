#pragma once
// What the dialog tests share: a Windows folder of their own with a media
// folder below it, the program's state back at a new process's values, the
// way out of the process caught, and the failures reported and the message
// boxes shown (each answered at once, as a user's OK would).

#include <QColor>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/bitmap.h"

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

    std::string SettingsFile() const;
    bool SettingsFileExists() const;
    // "key=value" lines of the settings file, as stored.
    std::vector<std::string> SettingsLines() const;
    void StoreSettings(const std::string& keyValueLines) const;

    // Puts a picture file for every scene and creature record into the
    // media folder (placeholders unless a test writes a real sheet), leaves
    // out the files named, and then reads the settings and sets up every
    // record the way the program's start does.
    void StartProgram(std::initializer_list<std::string> missingPictures = {});

    // Writes a sprite sheet: frame k is a frameWidth x frameHeight block of
    // colours[k] over an opaque (black) mask.
    void WriteSheet(const std::string& fileName, int frameWidth, int frameHeight,
                    const std::vector<QColor>& colours) const;

    int ProcessEnds() const { return processEnds_; }
    const std::vector<std::string>& ReportedErrors() const { return errors_; }
    const std::vector<ShownMessage>& Messages() const { return messages_; }

private:
    std::string windowsDir_;
    std::string assetDir_;
    int processEnds_ = 0;
    std::vector<std::string> errors_;
    std::vector<ShownMessage> messages_;
};

// A sprite sheet in memory, as WriteSheet lays it out; returns its surface.
int MakeSheet(int frameWidth, int frameHeight, const std::vector<QColor>& colours);

// A black true-colour surface to draw on.
int MakeCanvas(int width, int height);

// The colour a surface shows at a pixel, or 0 when there is no surface.
platform::Colour PixelOf(int handle, int x, int y);

// The bounding box of the pixels that are not black.
struct Extent {
    int left = -1, top = -1, right = -1, bottom = -1;  // right and bottom inclusive
    bool empty() const { return left < 0; }
};
Extent LitExtent(int handle, int x, int y, int width, int height);

}  // namespace bv::test
