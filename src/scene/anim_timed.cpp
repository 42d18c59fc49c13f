#include "scene/anim_timed.h"

#include <string_view>

#include "errors/error_handler.h"
#include "scene/anim_timed_script.h"
#include "scene/records.h"
#include "scene/sprite_drawing.h"

namespace bv {
namespace {

struct TimedPiece {
    std::string_view location;
    TickClock clock;
    FrameScript script;
};

void StepScript(Sprite& piece, const TimedPiece& timing) {
    if (const auto change = ChangeAt(timing.script, Now(timing.clock)))
        piece.Frame = change->change.AppliedTo(piece.Frame);
}

void PlayTimedPiece(Sprite& piece, const TimedPiece& timing) {
    Guarded(timing.location, [&] {
        DrawFrame(piece);
        StepScript(piece, timing);
    });
}

// Each element opens over four ticks and closes again, three times a cycle.
constexpr TickWindow kClamWindows[] = {
    {100, 103, StepBy(+1), 1}, {400, 403, StepBy(+1), 1}, {700, 703, StepBy(+1), 1},
    {150, 153, StepBy(-1), 1}, {450, 453, StepBy(-1), 1}, {750, 753, StepBy(-1), 1},
    {10, 13, StepBy(+1), 2},   {300, 303, StepBy(+1), 2}, {600, 603, StepBy(+1), 2},
    {50, 53, StepBy(-1), 2},   {340, 343, StepBy(-1), 2}, {620, 623, StepBy(-1), 2},
    {200, 203, StepBy(+1), 3}, {500, 503, StepBy(+1), 3}, {800, 803, StepBy(+1), 3},
    {240, 243, StepBy(-1), 3}, {540, 543, StepBy(-1), 3}, {840, 843, StepBy(-1), 3},
};
constexpr TimedPiece kClam{
    "Animations\\Anim_Custom_Clam", TickClock::Long, {kClamWindows, std::nullopt}};

// From frame 5 down to 0, two quick excursions to frame 4, and back up to 5; twice a cycle.
constexpr TickWindow kEyesWindows[] = {
    {1, 5, StepBy(-1)},   {320, 324, StepBy(-1)}, {60, 64, StepBy(+1)},   {360, 364, StepBy(+1)},
    {11, 12, StepBy(+2)}, {21, 22, StepBy(+2)},   {330, 331, StepBy(+2)}, {340, 341, StepBy(+2)},
    {13, 14, StepBy(-2)}, {23, 24, StepBy(-2)},   {332, 333, StepBy(-2)}, {342, 343, StepBy(-2)},
};
constexpr TimedPiece kEyes{
    "Animations\\Anim_Custom_Eyes", TickClock::Long, {kEyesWindows, std::nullopt}};

// From frame 7 to 0 and back three times a cycle, to 3 and back once.
constexpr TickWindow kCrabWindows[] = {
    {1, 7, StepBy(-1)},   {200, 203, StepBy(-1)}, {500, 506, StepBy(-1)}, {710, 716, StepBy(-1)},
    {30, 36, StepBy(+1)}, {230, 233, StepBy(+1)}, {530, 536, StepBy(+1)}, {740, 746, StepBy(+1)},
};
constexpr TimedPiece kCrab{
    "Animations\\Anim_Custom_Crab", TickClock::Long, {kCrabWindows, std::nullopt}};

constexpr TickWindow kAnchorWindows[] = {
    {5, 8, StepBy(+1)}, {200, 203, StepBy(+1)}, {500, 503, StepBy(+1)}, {800, 803, StepBy(+1)},
    {10, 10, SetTo(0)}, {205, 205, SetTo(0)},   {505, 505, SetTo(0)},   {805, 805, SetTo(0)},
};
constexpr TimedPiece kAnchor{
    "Animations\\Anim_Custom_Anchor", TickClock::Long, {kAnchorWindows, std::nullopt}};

// Five times a cycle the head plays frames 1 to 6 and snaps back to frame 0.
constexpr TickWindow kDiverHeadWindows[] = {
    {1, 6, StepBy(+1)},   {20, 25, StepBy(+1)}, {40, 45, StepBy(+1)},
    {60, 65, StepBy(+1)}, {80, 85, StepBy(+1)},
};
constexpr TimedPiece kDiverHead{
    "Animations\\Anim_Custom_DiverHead", TickClock::Short, {kDiverHeadWindows, SetTo(0)}};

constexpr TickWindow kScubaDudeWindows[] = {
    {10, 10, SetTo(1)}, {20, 20, SetTo(1)}, {30, 30, SetTo(1)}, {40, 40, SetTo(1)},
    {50, 50, SetTo(1)}, {60, 60, SetTo(1)}, {70, 70, SetTo(1)}, {80, 80, SetTo(1)},
    {90, 90, SetTo(1)}, {12, 12, SetTo(2)}, {32, 32, SetTo(2)}, {52, 52, SetTo(2)},
    {72, 72, SetTo(2)}, {92, 92, SetTo(2)},
};
constexpr TimedPiece kScubaDude{
    "Animations\\Anim_Custom_ScubaDude", TickClock::Short, {kScubaDudeWindows, SetTo(0)}};
constexpr Integer kScubaDudeMaskColumn = 3;  // the mask follows frames 0 to 2 in the image row

constexpr TickWindow kTreasureWindows[] = {{5, 7, StepBy(+1)}, {25, 27, StepBy(-1)}};
constexpr TimedPiece kTreasure{
    "Animations\\Anim_Custom_Treasure", TickClock::Short, {kTreasureWindows, std::nullopt}};

}  // namespace

// The smaller clams sit beside the large one on its sheet and share its mask
// row, which starts at the large clam's height.
void Anim_Custom_Clam() {
    Guarded(kClam.location, [] {
        const SheetPainter painter(Clam(1).DC);
        const Long maskRow = Clam(1).Height;
        for (int i = 1; i <= 3; ++i) painter.DrawFrame(Clam(i), maskRow);
        if (const auto change = ChangeAt(kClam.script, Now(kClam.clock)))
            Clam(change->member).Frame = change->change.AppliedTo(Clam(change->member).Frame);
    });
}

void Anim_Custom_Eyes(Sprite& sprite) {
    PlayTimedPiece(sprite, kEyes);
}
void Anim_Custom_Crab(Sprite& sprite) {
    PlayTimedPiece(sprite, kCrab);
}
void Anim_Custom_Anchor(Sprite& sprite) {
    PlayTimedPiece(sprite, kAnchor);
}
void Anim_Custom_DiverHead(Sprite& sprite) {
    PlayTimedPiece(sprite, kDiverHead);
}
void Anim_Custom_Treasure(Sprite& sprite) {
    PlayTimedPiece(sprite, kTreasure);
}

void Anim_Custom_ScubaDude(Sprite& sprite) {
    Guarded(kScubaDude.location, [&] {
        const SheetPainter painter(sprite.DC);
        const Integer maskOffset = ToInteger(std::int64_t{kScubaDudeMaskColumn} * sprite.Width);
        painter.DrawMask(sprite, ToLong(std::int64_t{maskOffset} + sprite.SrcX), 0);
        painter.DrawImage(sprite, FrameSheetX(sprite), 0);
        StepScript(sprite, kScubaDude);
    });
}

}  // namespace bv
