#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <set>

namespace {

const char* const kKeys[] = {"shark",       "octopus",     "whale",      "orca",       "manatee",
                             "hammerhead",  "tuna",        "swimmaid",   "tigershark", "dolphin",
                             "emperorfish", "redfish",     "crab",       "clam",       "seahorse",
                             "swimhorse",   "blowfish",    "yellowfish", "angelfish",  "bluedevil",
                             "scubadiver",  "anchor",      "marinasign", "eyes",       "bubble",
                             "worm",        "mofiasnitch", "diverhead",  "pillar",     "bottle"};

TEST(DialogPictures, ThereIsADistinctSeventeenPixelThumbnailPerCreature) {
    const std::filesystem::path dir = std::filesystem::path(MEDIAGEN_DIALOG_DIR) / "thumbnails";
    std::set<QByteArray> distinct;
    for (const char* key : kKeys) {
        const QImage image(QString::fromStdString((dir / (std::string(key) + ".png")).string()));
        ASSERT_FALSE(image.isNull()) << key;
        EXPECT_EQ(image.size(), QSize(17, 17)) << key;
        distinct.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()),
                                   static_cast<int>(image.sizeInBytes())));
    }
    EXPECT_EQ(distinct.size(), std::size(kKeys));
}

TEST(DialogPictures, BugReportFormHasItsTwoPictures) {
    const std::filesystem::path dir = std::filesystem::path(MEDIAGEN_DIALOG_DIR) / "pictures";
    for (const char* file : {"bug.png", "fish.png"}) {
        const QImage image(QString::fromStdString((dir / file).string()));
        ASSERT_FALSE(image.isNull()) << file;
        EXPECT_EQ(image.size(), QSize(32, 32)) << file;
    }
}

}  // namespace
