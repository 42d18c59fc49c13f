#include "dialog/preview_animations.h"

#include "errors/error_handler.h"
#include "scene/anim_steps.h"
#include "scene/records.h"
#include "scene/scene_globals.h"
#include "scene/sprite_drawing.h"

namespace bv {
namespace {

constexpr Integer kPreviewPictureWidth = 181;
constexpr Integer kPreviewPictureHeight = 167;

void SetStartingPicture(Sprite& record, const char* fileName) {
    record.Width = kPreviewPictureWidth;
    record.Height = kPreviewPictureHeight;
    record.Frames = 1;
    record.Frame = 0;
    record.SrcX = 0;
    record.SrcY = 0;
    record.X = 0;
    record.Y = 0;
    record.FileName = fileName;
}

bool Within(Integer value, Integer low, Integer high) {
    return low <= value && value <= high;
}

}  // namespace

void Properties_Preview() {
    Guarded("Animations/Properties_Preview", [] {
        SetStartingPicture(PreviewScenery, "bv_previewscenery.bmp");
        SetStartingPicture(PreviewOther1, "bv_previewother.bmp");
        SetStartingPicture(PreviewOther2, "bv_previewother.bmp");
        SetStartingPicture(PreviewOther3, "bv_previewother.bmp");
    });
}

void Anim_Preview_DelayedReverse(Sprite& r) {
    Guarded("Animations\\Anim_Preview_DelayedReverse", [&] {
        DrawFrame(r);
        if (Within(ShortTick, 1, 10) || Within(ShortTick, 51, 60)) {
            if (r.Frame > 0) r.Frame = ToInteger(std::int64_t{r.Frame} - 1);
        } else if (Within(ShortTick, 21, 30) || Within(ShortTick, 71, 80)) {
            if (r.Frame < r.Frames - 1) r.Frame = ToInteger(std::int64_t{r.Frame} + 1);
        }
    });
}

void Anim_Preview_School(Sprite& r) {
    Guarded("Animations\\Anim_Preview_School", [&] {
        const double width = PreviewScaleWidth;
        const double height = PreviewScaleHeight;
        const double halfFish = r.Width / 2.0;
        const double halfFishHeight = r.Height / 2.0;
        const SheetPainter painter(r.DC);
        Sprite fish = r;
        fish.X = RoundToLong(width / 3 - halfFish);
        painter.DrawFrame(fish);
        fish.X = RoundToLong(2 * width / 3 - halfFish);
        fish.Y = RoundToLong(height / 3 - halfFishHeight);
        painter.DrawFrame(fish);
        fish.Y = RoundToLong(2 * height / 3 - halfFishHeight);
        painter.DrawFrame(fish);
        AdvanceFrame(r);
    });
}

void Anim_Preview_Bubble() {
    Guarded("Animations\\Anim_Preview_Bubble", [] {
        const SheetPainter painter(BubblesLeft(1).DC);  // the stream's one surface
        for (int i = 1; i <= 25; ++i) {
            Sprite& bubble = BubblesLeft(i);
            painter.DrawFrame(bubble);
            bubble.X = Moved(bubble.X, bubble.DX);
            bubble.Y = Moved(bubble.Y, bubble.DY);
            // Not clamped: a bubble past the edge turns back on the next tick.
            if (bubble.X < 0 || bubble.X > PreviewScaleWidth - bubble.Width)
                bubble.DX = Reversed(bubble.DX);
            if (bubble.Y < 0) bubble.Y = PreviewScaleHeight;
        }
    });
}

}  // namespace bv
