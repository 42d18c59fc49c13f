#include "scene/anim_swim.h"

#include <string_view>

#include "errors/error_handler.h"
#include "scene/anim_steps.h"
#include "scene/scene_globals.h"
#include "scene/sprite_drawing.h"

namespace bv {
namespace {

// Which strip a free swimmer shows, chosen after each move. A swimmer faces
// the way it moves across the screen, rising or sinking: the whale and the
// swimming mermaid, which may also leave the screen upwards, face that way
// too (their first strips are drawn for their first directions, right and
// left, and the other strip would show them tail first).
enum class Facing {
    FirstStripMovingRight,  // DX > 0
    FirstStripMovingLeft,   // DX < 0
    ChangedOnlyAtSideTurn,  // second strip on turning at SwimLeft, first at SwimRight
};

struct SwimMotion {
    std::string_view location;
    Facing facing;
    bool mayLeaveUpwards;  // the vertical box starts at SwimTop instead of the top edge
};

constexpr SwimMotion kRightOnly{"Animations\\Anim_Swim_RightOnly", Facing::FirstStripMovingRight,
                                false};
constexpr SwimMotion kLeftOnly{"Animations\\Anim_Swim_LeftOnly", Facing::FirstStripMovingLeft,
                               false};
constexpr SwimMotion kRightDown{"Animations\\Anim_Swim_RightDown", Facing::FirstStripMovingRight,
                                true};
constexpr SwimMotion kLeftUp{"Animations\\Anim_Swim_LeftUp", Facing::FirstStripMovingLeft, true};
constexpr SwimMotion kBoth1{"Animations\\Anim_Swim_Both1", Facing::ChangedOnlyAtSideTurn, false};

bool ShowsFirstStrip(Facing facing, const Sprite& sprite) {
    switch (facing) {
        case Facing::FirstStripMovingRight:
            return sprite.DX > 0;
        case Facing::FirstStripMovingLeft:
            return sprite.DX < 0;
        case Facing::ChangedOnlyAtSideTurn:
            break;  // the strip is chosen when turning
    }
    return false;
}

void TurnChangingStrip(Sprite& sprite) {
    if (sprite.X < SwimLeft) {
        sprite.DX = Reversed(sprite.DX);
        sprite.SrcX = SecondStripX(sprite);
    } else if (sprite.X > SwimRight) {
        sprite.DX = Reversed(sprite.DX);
        sprite.SrcX = 0;
    }
}

void Swim(Sprite& sprite, const SwimMotion& motion) {
    Guarded(motion.location, [&] {
        DrawFrame(sprite);
        AdvanceFrame(sprite);
        sprite.X = Moved(sprite.X, sprite.DX);
        sprite.Y = Moved(sprite.Y, sprite.DY);
        const bool stripFollowsTurns = motion.facing == Facing::ChangedOnlyAtSideTurn;
        if (stripFollowsTurns)
            TurnChangingStrip(sprite);
        else if (sprite.X < SwimLeft || sprite.X > SwimRight)
            sprite.DX = Reversed(sprite.DX);
        const Integer top = motion.mayLeaveUpwards ? SwimTop : Integer{0};
        if (sprite.Y < top || sprite.Y > SwimBottom) sprite.DY = Reversed(sprite.DY);
        if (!stripFollowsTurns)
            sprite.SrcX = ShowsFirstStrip(motion.facing, sprite) ? 0 : SecondStripX(sprite);
    });
}

constexpr Integer kFallStep = 6;

}  // namespace

void Anim_Swim_RightOnly(Sprite& sprite) {
    Swim(sprite, kRightOnly);
}
void Anim_Swim_LeftOnly(Sprite& sprite) {
    Swim(sprite, kLeftOnly);
}
void Anim_Swim_RightDown(Sprite& sprite) {
    Swim(sprite, kRightDown);
}
void Anim_Swim_LeftUp(Sprite& sprite) {
    Swim(sprite, kLeftUp);
}
void Anim_Swim_Both1(Sprite& sprite) {
    Swim(sprite, kBoth1);
}

void Anim_Swim_Drop(Sprite& sprite, Integer trigger) {
    Guarded("Animations\\Anim_Swim_Drop", [&] {
        if (LongTick == trigger) sprite.DY = kFallStep;
        if (sprite.DY <= 0) return;  // waiting above the screen: neither drawn nor moved
        DrawFrame(sprite);
        AdvanceFrame(sprite);
        sprite.X = Moved(sprite.X, sprite.DX);
        sprite.Y = Moved(sprite.Y, sprite.DY);
        if (sprite.Y > ScreenHeight) {  // fallen out: wait just above the top edge again
            sprite.Y = ToLong(-std::int64_t{sprite.Height});
            sprite.DY = 0;
        }
    });
}

}  // namespace bv
