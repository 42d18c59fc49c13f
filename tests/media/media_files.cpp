#include "media_files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "scene/all_records.h"
#include "scene/properties.h"
#include "scene/records.h"
#include "scene/scene_globals.h"
#include "settings/settings_globals.h"
#include "startup/run_reset.h"

namespace media_test {

std::filesystem::path mediaDir() {
    return BLUVESSA_MEDIA_DIR;
}

QImage loadPicture(const std::string& file) {
    const auto path = mediaDir() / file;
    QImage image(QString::fromStdString(path.string()));
    EXPECT_FALSE(image.isNull()) << "cannot load " << path;
    return image.convertToFormat(QImage::Format_RGB32);
}

std::vector<std::uint8_t> readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const std::vector<SheetSpec>& standardSheets() {
    static const std::vector<SheetSpec> sheets = [] {
        // The program's own catalogue, set up as a run on a full-HD screen
        // would set it up, names every sheet and the frames it reads from it.
        bv::ResetRunState();
        bv::AssetDir = mediaDir().string() + "/";
        bv::SetScreenSize(1920, 1080);
        bv::Properties_Fish();
        bv::Properties_Predator();
        bv::Properties_Other();
        bv::Properties_Scenery();
        const std::set<const bv::Sprite*> pictures = {&bv::Background, &bv::Foreground};
        // Laid out by hand: each has a test of its own.
        const std::set<std::string> special = {"bv_clam.bmp", "bv_scubadude.bmp"};
        std::vector<SheetSpec> out;
        std::set<std::string> seen;
        bv::ForEachRecord([&](const bv::Sprite& record) {
            if (record.FileName.empty() || pictures.contains(&record) ||
                special.contains(record.FileName) || !seen.insert(record.FileName).second)
                return;
            // Whatever moves sideways and animates turns round: it has two strips.
            const bool turns = record.DX != 0 && record.Frames > 1;
            out.push_back({record.FileName, record.Width, record.Height, record.Frames,
                           turns ? Layout::TwoStrips : Layout::OneStrip});
        });
        bv::ResetRunState();
        return out;
    }();
    return sheets;
}

bool isBlack(QRgb pixel) {
    return (pixel & 0xFFFFFF) == 0;
}

bool isWhite(QRgb pixel) {
    return (pixel & 0xFFFFFF) == 0xFFFFFF;
}

}  // namespace media_test
