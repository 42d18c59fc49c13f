#include "errors/error_handler.h"
#include "scene/creature_setup.h"
#include "scene/properties.h"
#include "scene/records.h"

namespace bv {

void Properties_Predator() {
    Guarded("Animations/Properties_Predator", [] {
        const CatalogueRow predators[] = {
            // records, file, W, H, frames, start frame, DX, DY, start position
            {Single(Dolphin), "bv_Dolphin.bmp", 166, 80, 6, kRandomFrame, -8, -1, FreeSwimmer{}},
            {Single(TigerShark), "bv_tigershark.bmp", 200, 80, 6, kRandomFrame, -8, -1,
             FreeSwimmer{}},
            {Single(Hammerhead), "bv_hammerhead.bmp", 177, 71, 9, kRandomFrame, 8, 1,
             FreeSwimmer{}},
            {Single(Manatee), "bv_manatee.bmp", 148, 70, 8, kRandomFrame, 8, 1, FreeSwimmer{}},
            {Single(Octopus), "bv_octopus.bmp", 136, 81, 16, kRandomFrame, -6, 1, FreeSwimmer{}},
            {Single(Orca), "bv_orca.bmp", 138, 101, 8, kRandomFrame, -10, 1, FreeSwimmer{}},
            {Single(Shark), "bv_shark.bmp", 130, 62, 6, kRandomFrame, 8, 1, FreeSwimmer{}},
            {Single(SwimMaid), "bv_swimmaid.bmp", 115, 149, 8, kRandomFrame, -7, -3, FreeSwimmer{}},
            {Single(Tuna), "bv_tuna.bmp", 100, 46, 8, kRandomFrame, -7, 1, FreeSwimmer{}},
            {Single(Whale), "bv_whale.bmp", 129, 73, 8, kRandomFrame, 6, 1, FreeSwimmer{}},
        };
        SetUpCatalogue(predators);
    });
}

}  // namespace bv
