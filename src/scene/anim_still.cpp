#include "scene/anim_still.h"

#include "errors/error_handler.h"
#include "scene/anim_steps.h"
#include "scene/sprite_drawing.h"

namespace bv {

void Anim_Still_Loop(Sprite& sprite) {
    Guarded("Animations\\Anim_Still_Loop", [&] {
        DrawFrame(sprite);
        AdvanceFrame(sprite);
    });
}

void Anim_Still_Reverse(Sprite& sprite) {
    Guarded("Animations\\Anim_Still_Reverse", [&] {
        DrawFrame(sprite);
        sprite.Frame = ToInteger(std::int64_t{sprite.Frame} + sprite.FrameStep);
        const Integer lastFrame = ToInteger(std::int64_t{sprite.Frames} - 1);
        if (!(0 < sprite.Frame && sprite.Frame < lastFrame))
            sprite.FrameStep = Reversed(sprite.FrameStep);
    });
}

}  // namespace bv
