#pragma once

#include <QImage>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace media_test {

std::filesystem::path mediaDir();

// Loads a picture of the pack; fails the calling test when it cannot.
QImage loadPicture(const std::string& file);

std::vector<std::uint8_t> readBytes(const std::filesystem::path& path);

enum class Layout {
    OneStrip,   // frames side by side, masks below
    TwoStrips,  // a turning creature: strip 2 mirrors strip 1
};

struct SheetSpec {
    std::string file;
    int frameWidth;
    int frameHeight;
    int frames;  // per strip, as the program reads it
    Layout layout;
};

// Every standard sprite sheet of the pack with the frame size and count the
// program's catalogue reads it with.
const std::vector<SheetSpec>& standardSheets();

bool isBlack(QRgb pixel);
bool isWhite(QRgb pixel);

}  // namespace media_test
