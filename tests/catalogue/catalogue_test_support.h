#pragma once
// What the catalogue and loading tests share: a clean scene of a given size,
// the four set-up procedures, and a scratch asset folder to put pictures in.

#include <cstdint>
#include <functional>
#include <string>

#include "bmp_builder.h"
#include "scene/properties.h"
#include "scene/scene_globals.h"
#include "settings/settings_globals.h"
#include "startup/run_reset.h"
#include "test_support.h"

namespace bv::test {

// The program's one reset, keeping the test's asset folder, then a screen of
// width x height: for a test that sets the scene up more than once.
inline void StartAfresh(int width = 1024, int height = 768) {
    const std::string assets = AssetDir;
    ResetRunState();
    AssetDir = assets;
    SetScreenSize(width, height);
}

// The four set-up procedures in start-up order.
inline void SetUpAllRecords() {
    Properties_Fish();
    Properties_Predator();
    Properties_Other();
    Properties_Scenery();
}

// A scratch folder that is the asset folder while it lives.
class AssetFolder : public ScratchFolder {
public:
    AssetFolder() { AssetDir = path(); }
    ~AssetFolder() { AssetDir.clear(); }

    // A 24-bit bitmap file whose pixel (x, y) is colour(x, y), 0x00RRGGBB; by
    // default a small one-colour picture, enough for a file that must exist.
    void WritePicture(
        const std::string& name, int width = 4, int height = 4,
        const std::function<std::uint32_t(int x, int y)>& colour = [](int, int) {
            return 0x2060A0u;
        }) const {
        WriteTrueColourBmp(path() + name, width, height, colour);
    }
};

}  // namespace bv::test
