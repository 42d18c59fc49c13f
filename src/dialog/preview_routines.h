#pragma once
// Each of the first four tabs has its own preview record, animated by a
// routine chosen on every tick by the record's picture file.

#include <string_view>

#include "scene/creatures.h"
#include "scene/sprite.h"

namespace bv {

// PreviewScenery, PreviewOther1, PreviewOther2 or PreviewOther3.
Sprite& PreviewRecordOf(ConfigurationTab tab);

using PreviewRoutine = void (*)(Sprite& record);

// Matches the file name exactly, case included; anything unlisted loops its strip.
PreviewRoutine PreviewRoutineFor(ConfigurationTab tab, std::string_view fileName);

}  // namespace bv
