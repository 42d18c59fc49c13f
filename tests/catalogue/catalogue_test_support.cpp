#include "catalogue_test_support.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "errors/error_code.h"
#include "scene/all_records.h"
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
    std::string pattern =
        (std::filesystem::temp_directory_path() / "bluvessa-catalogue-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no scratch folder");
    path_ = pattern + "/";
    AssetDir = path_;
}

AssetFolder::~AssetFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
    AssetDir.clear();
}

void AssetFolder::WritePicture(const std::string& name, int width, int height,
                               const std::function<QRgb(int x, int y)>& pixel) const {
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.setPixel(x, y, pixel(x, y));
    if (!image.save(QString::fromStdString(path_ + name), "BMP"))
        throw std::runtime_error("cannot write " + name);
}

void AssetFolder::WritePicture(const std::string& name, int width, int height) const {
    WritePicture(name, width, height, [](int, int) { return qRgb(0x20, 0x60, 0xA0); });
}

FixedClock::FixedClock() {
    ::setenv("BLUVESSA_RANDOM_SEED", "20240611", 1);
}
FixedClock::~FixedClock() {
    ::unsetenv("BLUVESSA_RANDOM_SEED");
}

}  // namespace bv::test
