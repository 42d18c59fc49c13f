#include "scene/anim_worm.h"

#include <algorithm>

#include "errors/error_handler.h"
#include "scene/anim_steps.h"
#include "scene/buffer_drawing.h"
#include "scene/scene_globals.h"
#include "scene/sprite_drawing.h"

namespace bv {
namespace {

constexpr platform::Colour kLineGrey = 0xFF808080u;  // red, green and blue 128
constexpr Integer kLineOffset = 9;                   // where the hook sits in the picture
constexpr Integer kStillTicks = 100;
constexpr Integer kFirstStillFrame = 3;
constexpr Integer kTwitchFrame = 4;

// From the top edge down to just inside the worm's picture.
void DrawFishingLine(const Sprite& worm) {
    const Long x = Moved(worm.X, kLineOffset);
    const Long lastRow = Moved(worm.Y, 2);
    if (lastRow < 0) return;
    // Rows below the buffer would not show: the line stops at the bottom edge.
    const Long rows = std::min<Long>(lastRow, ScreenHeight) + 1;
    DrawOnBuffer({.kind = BufferDrawing::Kind::kFill,
                  .owner = &kLineGrey,  // the line is a drawing apart from the worm's frames
                  .target = QRect(x, 0, 1, rows),
                  .colour = kLineGrey});
}

// Hanging still, the worm twitches to frame 4 for one tick in every 20.
Integer HangingFrame() {
    switch (ShortTick) {
        case 10:
        case 30:
        case 50:
        case 70:
        case 90:
            return kTwitchFrame;
        default:
            return kFirstStillFrame;
    }
}

}  // namespace

void Anim_Custom_Worm(Sprite& worm) {
    Guarded("Animations\\Anim_Custom_Worm", [&] {
        DrawFishingLine(worm);
        if (worm.State == "None" && (LongTick == 100 || LongTick == 600)) worm.State = "Dropping";
        DrawFrame(worm);

        if (worm.State == "Dropping") {
            worm.Frame = 0;
            worm.Y = Moved(worm.Y, worm.DY);
            // Lowered until its lower edge passes the middle of the screen.
            if (worm.Y > ScreenHeight / 2.0 - worm.Height) worm.State = "Transition";
        } else if (worm.State == "Transition") {
            worm.Frame = ToInteger(std::int64_t{worm.Frame} + 1);
            if (worm.Frame == kFirstStillFrame) worm.State = "Still";
        } else if (worm.State == "Still") {
            worm.Frame = HangingFrame();
            WormStillCount = ToInteger(std::int64_t{WormStillCount} + 1);
            if (WormStillCount == kStillTicks) {
                worm.State = "Rising";
                WormStillCount = 0;
            }
        } else if (worm.State == "Rising") {
            worm.Frame = HangingFrame();
            worm.Y = ToLong(std::int64_t{worm.Y} - worm.DY);
            // Pulled up until it is more than a quarter screen above the top edge.
            if (worm.Y < ToInteger(std::int64_t{SwimTop} - worm.Height)) worm.State = "None";
        }
    });
}

}  // namespace bv
