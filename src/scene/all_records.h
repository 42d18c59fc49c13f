#pragma once
// Visiting every record, for the loader, the release and the reset.

#include <functional>

#include "scene/sprite.h"

namespace bv {

// Calls visit for every record of the scene, centre pieces, creatures (each
// member of a group) and dialog previews, PreviewPic included.
void ForEachRecord(const std::function<void(Sprite&)>& visit);

}  // namespace bv
