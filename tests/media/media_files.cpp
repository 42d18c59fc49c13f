#include "media_files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

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
    using L = Layout;
    static const std::vector<SheetSpec> sheets{
        {"bv_Dolphin.bmp", 166, 80, 6, L::TwoStrips},
        {"bv_tigershark.bmp", 200, 80, 6, L::TwoStrips},
        {"bv_hammerhead.bmp", 177, 71, 9, L::TwoStrips},
        {"bv_manatee.bmp", 148, 70, 8, L::TwoStrips},
        {"bv_octopus.bmp", 136, 81, 16, L::TwoStrips},
        {"bv_orca.bmp", 138, 101, 8, L::TwoStrips},
        {"bv_shark.bmp", 130, 62, 6, L::TwoStrips},
        {"bv_swimmaid.bmp", 115, 149, 8, L::TwoStrips},
        {"bv_tuna.bmp", 100, 46, 8, L::TwoStrips},
        {"bv_whale.bmp", 129, 73, 8, L::TwoStrips},
        {"bv_bluedevil.bmp", 30, 18, 7, L::TwoStrips},
        {"bv_angelfish.bmp", 40, 42, 10, L::TwoStrips},
        {"bv_emperorfish.bmp", 31, 20, 8, L::TwoStrips},
        {"bv_swimhorse.bmp", 20, 21, 6, L::TwoStrips},
        {"bv_redfish.bmp", 41, 31, 8, L::TwoStrips},
        {"bv_yellowfish.bmp", 33, 31, 8, L::TwoStrips},
        {"bv_blowfish.bmp", 60, 50, 4, L::TwoStrips},
        {"bv_scubadiver.bmp", 114, 61, 8, L::TwoStrips},
        {"bv_seahorse.bmp", 40, 45, 8, L::OneStrip},
        {"bv_marinasign.bmp", 55, 141, 6, L::OneStrip},
        {"bv_anchor.bmp", 76, 83, 5, L::OneStrip},
        {"bv_diverhead.bmp", 129, 150, 8, L::OneStrip},
        {"bv_mofiasnitch.bmp", 65, 145, 6, L::OneStrip},
        {"bv_bottle1.bmp", 32, 51, 13, L::OneStrip},
        {"bv_bottle2.bmp", 32, 51, 13, L::OneStrip},
        {"bv_bubble.bmp", 11, 10, 1, L::OneStrip},
        {"bv_crab.bmp", 61, 40, 8, L::OneStrip},
        {"bv_eyes.bmp", 30, 12, 6, L::OneStrip},
        {"bv_worm.bmp", 37, 60, 5, L::OneStrip},
        {"bv_pillar.bmp", 63, 169, 2, L::OneStrip},
        {"bv_evilrelic.bmp", 125, 122, 1, L::OneStrip},
        {"bv_lifeguard.bmp", 91, 156, 5, L::OneStrip},
        {"bv_swimdude.bmp", 64, 131, 6, L::OneStrip},
        {"bv_mermaid.bmp", 138, 120, 8, L::OneStrip},
        {"bv_bather.bmp", 90, 123, 8, L::OneStrip},
        {"bv_treasure.bmp", 109, 94, 4, L::OneStrip},
    };
    return sheets;
}

bool isBlack(QRgb pixel) {
    return (pixel & 0xFFFFFF) == 0;
}

bool isWhite(QRgb pixel) {
    return (pixel & 0xFFFFFF) == 0xFFFFFF;
}

}  // namespace media_test
