#include "catalogue_test_support.h"

#include "bmp_builder.h"
#include "scene/properties.h"
#include "scene/scene_globals.h"
#include "settings/settings_globals.h"
#include "startup/run_reset.h"

namespace bv::test {

void StartAfresh(int width, int height) {
    const std::string assets = AssetDir;
    ResetRunState();
    AssetDir = assets;
    SetScreenSize(width, height);
}

void SetUpAllRecords() {
    Properties_Fish();
    Properties_Predator();
    Properties_Other();
    Properties_Scenery();
}

AssetFolder::AssetFolder() {
    AssetDir = path();
}

AssetFolder::~AssetFolder() {
    AssetDir.clear();
}

void AssetFolder::WritePicture(const std::string& name, int width, int height,
                               const std::function<std::uint32_t(int x, int y)>& colour) const {
    WriteTrueColourBmp(path() + name, width, height, colour);
}

}  // namespace bv::test
