// The two bubble streams: 50 bubbles each, rising and wobbling sideways
// inside their column, re-entering at the bottom edge.

#include <array>
#include <string_view>

#include "errors/error_code.h"
#include "errors/error_handler.h"
#include "scene/anim_groups.h"
#include "scene/anim_steps.h"
#include "scene/records.h"
#include "scene/scene_globals.h"
#include "scene/sprite_drawing.h"

namespace bv {
namespace {

struct BubbleStream {
    std::string_view location;
    SpriteArray<50>& bubbles;
    // TracePoint before each step: mask, image, move X, move Y, column, wrap.
    std::array<std::string_view, 6> markers;
    void (*keepInColumn)(Sprite& bubble);
};

// The right-most sixth. 5 x ScreenWidth is worked out wide: as a 16-bit
// product it overflowed on screens wider than 6553 pixels and failed every tick.
void KeepInRightColumn(Sprite& bubble) {
    const double columnLeft = static_cast<double>(5 * Long{ScreenWidth}) / 6;
    if (bubble.X < columnLeft) bubble.DX = Reversed(bubble.DX);
    if (bubble.X > ToInteger(ScreenWidth - bubble.Width)) bubble.DX = Reversed(bubble.DX);
}

// The left-most sixth.
void KeepInLeftColumn(Sprite& bubble) {
    if (bubble.X > ScreenWidth / 6.0 - bubble.Width) bubble.DX = Reversed(bubble.DX);
    if (bubble.X < 0) bubble.DX = Reversed(bubble.DX);
}

void Rise(const BubbleStream& stream) {
    Guarded(stream.location, [&] {
        const auto& marker = stream.markers;
        const SheetPainter painter(BubblesLeft(1).DC);  // the one bubble surface
        for (int i = 1; i <= SpriteArray<50>::kLast; ++i) {
            Sprite& bubble = stream.bubbles(i);
            TracePoint = marker[0];
            painter.DrawMask(bubble, FrameSheetX(bubble), bubble.Height);
            TracePoint = marker[1];
            painter.DrawImage(bubble, FrameSheetX(bubble), 0);
            TracePoint = marker[2];
            bubble.X = Moved(bubble.X, bubble.DX);
            TracePoint = marker[3];
            bubble.Y = Moved(bubble.Y, bubble.DY);
            TracePoint = marker[4];
            stream.keepInColumn(bubble);
            TracePoint = marker[5];
            if (bubble.Y < 0) bubble.Y = ScreenHeight;
        }
    });
}

}  // namespace

void Anim_Custom_BubbleRight() {
    Rise({"Animations\\Anim_Custom_BubbleRight",
          BubblesRight,
          {"001", "002", "003", "004", "005", "006"},
          KeepInRightColumn});
}

void Anim_Custom_BubbleLeft() {
    Rise({"Animations\\Anim_Custom_BubbleLeft",
          BubblesLeft,
          {"007", "008", "009", "010", "011", "012"},
          KeepInLeftColumn});
}

}  // namespace bv
