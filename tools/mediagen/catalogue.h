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

// A settings-dialog thumbnail: which drawing, at what frame size, which frame.
struct ThumbnailEntry {
    std::string key;
    QSize frame;
    int frames;
    int shownFrame;
    FrameArt art;
};

const std::vector<ThumbnailEntry>& thumbnails();

}  // namespace mediagen
