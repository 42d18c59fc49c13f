#include <string>

#include "errors/error_handler.h"
#include "scene/creature_setup.h"
#include "scene/properties.h"
#include "scene/records.h"

namespace bv {
namespace {

// A centre piece stands on a line the given distance above the bottom edge,
// centred on the screen (or shifted right of centre).
CatalogueRow CentrePiece(Sprite& record, const char* fileName, Integer width, Integer height,
                         Integer frames, Integer distanceAboveBottom, double shiftRight = 0,
                         Integer frameStep = 0) {
    return {Single(record),
            fileName,
            width,
            height,
            frames,
            0,
            0,
            0,
            Fixed{FromCentre(-width / 2.0 + shiftRight), AboveBottom(distanceAboveBottom + height),
                  0, frameStep}};
}

}  // namespace

void Properties_Scenery() {
    Guarded("Animations/Properties_Scenery", [] {
        const CatalogueRow scenery[] = {
            // records, file, W, H, frames, start frame, DX, DY, start position
            {Single(Foreground), "bv_foreground0.bmp", 784, 247, 1, 0, 0, 0,
             Fixed{FromCentre(-392), AboveBottom(247)}},
            {Single(Background), "bv_background" + std::to_string(Background.Choice) + ".bmp", 640,
             480, 1, 0, 0, 0, Fixed{FromEdge(0), FromEdge(0)}},
            // record, file, W, H, frames, distance above the bottom
            CentrePiece(Mermaid, "bv_mermaid.bmp", 138, 120, 8, 60),
            CentrePiece(SwimDude, "bv_swimdude.bmp", 64, 131, 6, 60),
            CentrePiece(LifeGuard, "bv_lifeguard.bmp", 91, 156, 5, 57, /*shiftRight=*/13,
                        /*frameStep=*/1),
            CentrePiece(ScubaDude, "bv_scubadude.bmp", 92, 155, 3, 53),
            CentrePiece(Treasure, "bv_treasure.bmp", 109, 94, 4, 70),
            CentrePiece(EvilRelic, "bv_evilrelic.bmp", 125, 122, 1, 60),
            CentrePiece(Bather, "bv_bather.bmp", 90, 123, 8, 70),
        };
        SetUpCatalogue(scenery);
    });
}

}  // namespace bv
