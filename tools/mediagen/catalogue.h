#pragma once

#include <QSize>
#include <string>
#include <vector>

#include "frame_art.h"
#include "sheet.h"

namespace mediagen {

// A sprite sheet in the standard layout: frames side by side, colour rows
// above mask rows.
struct SheetEntry {
    std::string file;
    QSize frame;
    int frames;
    Strips strips;
    FrameArt art;
};

const std::vector<SheetEntry>& standardSheets();

// The sheet of the pack written from `file`, standard or not, as far as a
// single frame of it can be drawn; throws when the pack has no such sheet.
const SheetEntry& sheetNamed(const std::string& file);

}  // namespace mediagen
