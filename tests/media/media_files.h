#pragma once

#include <QImage>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace media_test {

std::filesystem::path mediaDir();

// Loads a picture of the pack; fails the calling test when it cannot.
QImage loadPicture(const std::string& file);

// One piece of a sprite sheet as the program's catalogue sets it up and its
// animation routines draw it: `columns` frames side by side from `srcX` (a
// turning swimmer's second strip, mirroring the first, included), each with
// its mask `maskRow` rows further down, or, for maskRow 0, one mask for all
// in the column after the frames.
struct SheetSpec {
    std::string name;
    std::string file;
    int srcX;
    int frameWidth;
    int frameHeight;
    int strips;  // 2 for a swimmer that turns round
    int columns;
    int maskRow;

    QRect picture(int column) const;
    QRect mask(int column) const;
};

void PrintTo(const SheetSpec& spec, std::ostream* out);

// Every piece of every sprite sheet of the pack (the backdrop and the reef
// aside), each once.
const std::vector<SheetSpec>& standardSheets();

// The reef's size as the catalogue sets it.
QSize reefSize();

bool isBlack(QRgb pixel);
bool isWhite(QRgb pixel);

}  // namespace media_test
