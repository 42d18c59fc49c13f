#pragma once

namespace bv {

// Releases every surface of the scene and of every record (twice is
// harmless: released handles are 0).
void ReleaseEverySurface();

}  // namespace bv
