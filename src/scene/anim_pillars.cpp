#include "errors/error_handler.h"
#include "scene/anim_groups.h"
#include "scene/records.h"
#include "scene/sprite_drawing.h"

namespace bv {

// Both pillars come from element 1's sheet; element 2's SrcX picks the second picture.
void Anim_Custom_Pillars() {
    Guarded("Animations\\Anim_Custom_Pillars", [] {
        const SheetPainter painter(Pillar(1).DC);
        painter.DrawFrame(Pillar(1));
        painter.DrawFrame(Pillar(2));
    });
}

}  // namespace bv
