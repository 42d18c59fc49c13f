#include "surfaces/release_surfaces.h"

#include "scene/all_records.h"
#include "scene/scene_globals.h"
#include "surfaces/memory_surfaces.h"
#include "surfaces/surface_globals.h"

namespace bv {

void ReleaseEverySurface() {
    for (SurfaceHandle* scene : {&BufferDC, &PaletteDC, &LoadDC, &ForegroundMaskDC})
        RemoveDC(*scene);
    ForEachRecord([](Sprite& record) { RemoveDC(record.DC); });
}

}  // namespace bv
