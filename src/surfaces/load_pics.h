#pragma once
// Loading every picture a full-screen run draws from.

namespace bv {

// Builds the back buffer, the screen-sized background, the screen-wide reef
// strip and its mask strip, the chosen centre piece and every selected and
// installed creature. The composed surfaces take the palette picture's pixel
// format (one bit deep when it is missing); a missing picture leaves its
// record without a surface.
void LoadPics4ScreenSaver();

}  // namespace bv
