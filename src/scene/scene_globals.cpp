#include "scene/scene_globals.h"

#include "scene/anim_worm.h"
#include "scene/frame_composer.h"

namespace bv {

void SetScreenSize(int width, int height) {
    ScreenWidth = ToInteger(width);
    ScreenHeight = ToInteger(height);
    SwimTop = RoundToInteger(ScreenHeight * -0.25);
    SwimBottom = ToInteger(ScreenHeight - 65);
    SwimRight = RoundToInteger(ScreenWidth * 1.5);
    SwimLeft = RoundToInteger(ScreenWidth * -0.5);
}

void ResetSceneGlobals() {
    ScreenWidth = ScreenHeight = 0;
    PixelScale = 1;
    ComposeWholeFrames = false;
    SwimTop = SwimBottom = SwimLeft = SwimRight = 0;
    LongTick = ShortTick = 0;
    BufferDC = ForegroundMaskDC = 0;
    WormStillCount = 0;
    TheFrameComposer().Forget();
}

}  // namespace bv
