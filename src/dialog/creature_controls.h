#pragma once
// The thirty creatures of the dialog's three creature tabs: each a check box
// with a clickable thumbnail to its right, in the order their settings are
// saved.

#include <QString>
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

struct CreatureControl {
    ConfigurationTab tab;
    int row;  // 1 to 5, top to bottom
    bool rightColumn;
    const char* checkBoxName;
    const char* caption;
    const char* checkBoxTip;  // "" for none
    const char* savedKey;     // as the dialog writes it
    const char* thumbnailName;
    const char* thumbnailTip;  // "" for none
    ThumbnailRestart restart;
};

std::span<const CreatureControl> CreatureControls();

// The record whose Enabled and Installed the check box shows and that the
// thumbnail copies (element 1 of a group).
Sprite& CreatureRecord(const CreatureControl& creature);

// The thumbnail picture: ":/thumbnails/<key>.png", the key in lower case.
QString ThumbnailResource(const CreatureControl& creature);

}  // namespace bv
