#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <set>

#include "scene/creatures.h"

namespace {

TEST(DialogPictures, ThereIsADistinctSeventeenPixelThumbnailPerCreature) {
    const QImage strip(QString::fromStdString(
        (std::filesystem::path(MEDIAGEN_DIALOG_DIR) / "thumbnails.png").string()));
    ASSERT_FALSE(strip.isNull());
    const int count = static_cast<int>(bv::Creatures().size());
    ASSERT_EQ(strip.size(), QSize(17 * count, 17));
    std::set<QByteArray> distinct;
    for (int cell = 0; cell < count; ++cell) {
        const QImage image = strip.copy(17 * cell, 0, 17, 17);
        distinct.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()),
                                   static_cast<int>(image.sizeInBytes())));
    }
    EXPECT_EQ(static_cast<int>(distinct.size()), count);
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
