#include "dialog/preview_routines.h"

#include "dialog/preview_animations.h"
#include "scene/anim_still.h"
#include "scene/anim_timed.h"
#include "scene/records.h"

namespace bv {
namespace {

struct RoutineRow {
    ConfigurationTab tab;
    std::string_view fileName;
    PreviewRoutine routine;
};

// The bubbles are drawn from their own stream, not from the preview record.
void PreviewBubbles(Sprite&) {
    Anim_Preview_Bubble();
}

// The large fish and the scenery pictures without a row loop in place.
constexpr RoutineRow kRoutines[] = {
    {kSceneryTab, "bv_lifeguard.bmp", Anim_Still_Reverse},
    {kSceneryTab, "bv_scubadude.bmp", Anim_Custom_ScubaDude},
    {kSceneryTab, "bv_treasure.bmp", Anim_Preview_DelayedReverse},

    {kCoralFishTab, "bv_crab.bmp", Anim_Preview_DelayedReverse},
    {kCoralFishTab, "bv_clam.bmp", Anim_Preview_DelayedReverse},
    {kCoralFishTab, "bv_bluedevil.bmp", Anim_Preview_School},
    {kCoralFishTab, "bv_angelfish.bmp", Anim_Preview_School},
    {kCoralFishTab, "bv_swimhorse.bmp", Anim_Preview_School},
    {kCoralFishTab, "bv_yellowfish.bmp", Anim_Preview_School},
    {kCoralFishTab, "bv_redfish.bmp", Anim_Preview_School},
    {kCoralFishTab, "bv_emperorfish.bmp", Anim_Preview_School},

    {kMoreStuffTab, "bv_anchor.bmp", Anim_Custom_Anchor},
    {kMoreStuffTab, "bv_eyes.bmp", Anim_Custom_Eyes},
    {kMoreStuffTab, "bv_diverhead.bmp", Anim_Custom_DiverHead},
    {kMoreStuffTab, "bv_worm.bmp", Anim_Preview_DelayedReverse},
    {kMoreStuffTab, "bv_bubble.bmp", PreviewBubbles},
};

}  // namespace

Sprite& PreviewRecordOf(ConfigurationTab tab) {
    switch (tab) {
        case kSceneryTab:
            return PreviewScenery;
        case kLargeFishTab:
            return PreviewOther1;
        case kCoralFishTab:
            return PreviewOther2;
        case kMoreStuffTab:
            return PreviewOther3;
        default:
            Fail(kSubscriptOutOfRange);
    }
}

PreviewRoutine PreviewRoutineFor(ConfigurationTab tab, std::string_view fileName) {
    for (const RoutineRow& row : kRoutines)
        if (row.tab == tab && row.fileName == fileName) return row.routine;
    return Anim_Still_Loop;
}

}  // namespace bv
