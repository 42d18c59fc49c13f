#pragma once
// The thirty creatures and objects the user switches on and off, one row
// each, in the order the settings dialog shows and saves them. The settings
// reader, the settings dialog, the picture loader and the media generator's
// thumbnails all work from this one table.

#include <cstddef>
#include <span>

#include "scene/sprite.h"

namespace bv {

enum ConfigurationTab : int {
    kSceneryTab = 0,
    kLargeFishTab = 1,
    kCoralFishTab = 2,
    kMoreStuffTab = 3,
    kOptionsTab = 4,
    kAboutTab = 5,
};

// What a thumbnail click does besides copying the creature into the preview.
enum class ThumbnailRestart {
    kNone,
    kShortTick,       // its timed animation starts from the beginning
    kLongTick,        // likewise, on the long counter
    kScatterBubbles,  // the bubble preview: the stream is scattered over the box
};

enum class DialogColumn { kLeft, kRight };

struct Creature {
    const char* key;  // the settings key, as the reader asks for it
    Sprite* record;   // whose Enabled the key sets: element 1 of a group
    bool onAtFirstRun;

    // The settings dialog: a check box with its thumbnail to the right.
    ConfigurationTab tab;
    int row;  // 1 to 5, top to bottom
    DialogColumn column;
    const char* checkBoxName;
    const char* caption;
    const char* thumbnailName;

    // The thumbnail shows this frame of this sheet of the media pack.
    const char* thumbnailSheet;
    int thumbnailFrame = 0;

    ThumbnailRestart restart = ThumbnailRestart::kNone;
    const char* checkBoxTip = "";
    const char* thumbnailTip = "";
    const char* savedKey = nullptr;  // as the dialog writes it, when not `key`

    const char* SavedKey() const { return savedKey != nullptr ? savedKey : key; }
};

inline constexpr std::size_t kCreatureCount = 30;

std::span<const Creature> Creatures();

}  // namespace bv
