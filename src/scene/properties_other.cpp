#include "errors/error_handler.h"
#include "scene/creature_setup.h"
#include "scene/properties.h"
#include "scene/records.h"

namespace bv {

void Properties_Other() {
    Guarded("Animations/Properties_Other", [] {
        const CatalogueRow others[] = {
            // records, file, W, H, frames, start frame, DX, DY, start position
            {Single(Anchor), "bv_anchor.bmp", 76, 83, 5, 0, 0, 0,
             Fixed{FromCentre(-325), AboveBottom(170)}},
            {Single(Bottle(1)), "bv_bottle1.bmp", 32, 51, 13, kRandomFrame, 0, 0, Dropper{}},
            {Single(Bottle(2)), "bv_bottle2.bmp", 32, 51, 13, kRandomFrame, 0, 0, Dropper{}},
            {AllOf(BubblesRight), "bv_bubble.bmp", 11, 10, 1, 0, 3, -6,
             BubbleStream{BubbleColumn::kRightSixth}},
            {AllOf(BubblesLeft), "bv_bubble.bmp", 11, 10, 1, 0, 3, -6,
             BubbleStream{BubbleColumn::kLeftSixth}},
            {Single(DiverHead), "bv_diverhead.bmp", 129, 150, 8, 0, 0, 0,
             Fixed{FromEdge(20), FromEdge(0)}},
            // Like the crab, the eyes start on the extra last frame of their sheet.
            {Single(Eyes), "bv_eyes.bmp", 30, 12, 5, 5, 0, 0,
             Fixed{FromCentre(245), AboveBottom(50)}},
            {Single(MarinaSign), "bv_marinasign.bmp", 55, 141, 6, 1, 0, 0,
             Fixed{FromCentre(-100), AboveBottom(280)}},
            {Single(MofiaSnitch), "bv_mofiasnitch.bmp", 65, 145, 6, kRandomFrame, 0, 0, Dropper{}},
            // One sheet holds both pillars side by side, 63 pixels wide each.
            {Single(Pillar(1)), "bv_pillar.bmp", 63, 169, 1, 0, 0, 0,
             Fixed{FromCentre(-80 - 63), AboveBottom(169 + 120), 0}},
            {Single(Pillar(2)), "bv_pillar.bmp", 63, 169, 1, 0, 0, 0,
             Fixed{FromCentre(80), AboveBottom(169 + 120), 63}},
            {Single(ScubaDiver), "bv_scubadiver.bmp", 114, 61, 8, kRandomFrame, -6, 1,
             FreeSwimmer{}},
            {Single(Worm), "bv_worm.bmp", 37, 60, 3, 1, 0, 7, Dropper{"None"}},
        };
        SetUpCatalogue(others);
    });
}

}  // namespace bv
