#include "scene/scene_globals.h"

namespace bv {

void SetScreenSize(int width, int height) {
    ScreenWidth = ToInteger(width);
    ScreenHeight = ToInteger(height);
    SwimTop = RoundToInteger(ScreenHeight * -0.25);
    SwimBottom = ToInteger(ScreenHeight - 65);
    SwimRight = RoundToInteger(ScreenWidth * 1.5);
    SwimLeft = RoundToInteger(ScreenWidth * -0.5);
}

}  // namespace bv
