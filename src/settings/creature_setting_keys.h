#pragma once
// The settings keys that switch a creature or object on, each with its record
// and its first-run value, in the order the settings file is read. The
// settings reader and the settings dialog share this one table.

#include <span>

#include "platform/checked_arithmetic.h"
#include "scene/sprite.h"

namespace bv {

struct CreatureSettingKey {
    const char* key;        // as the reader asks for it, lower case
    Sprite& (*record)();    // the record whose Enabled the key sets (element 1 of a group)
    Integer firstRunValue;  // kTrue or kFalse
};

std::span<const CreatureSettingKey> CreatureSettingKeys();

}  // namespace bv
