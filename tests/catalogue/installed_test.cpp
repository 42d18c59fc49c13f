// Installed says which picture files are present in the asset folder, names
// matched without regard to case.

#include <gtest/gtest.h>

#include "catalogue_test_support.h"
#include "scene/all_records.h"
#include "scene/records.h"
#include "settings/settings_globals.h"

namespace bv {
namespace {

TEST(Installed, FollowsTheFilesPresentWhateverTheirCase) {
    test::StartAfresh();
    const test::AssetFolder assets;
    assets.WritePicture("bv_shark.bmp");
    assets.WritePicture("BV_DOLPHIN.BMP");  // the catalogue spells it "bv_Dolphin.bmp"
    assets.WritePicture("bv_Clam.Bmp");
    assets.WritePicture("bv_bubble.bmp");
    assets.WritePicture("bv_bottle2.bmp");
    assets.WritePicture("bv_angelfish.bmp");
    assets.WritePicture("Bv_LifeGuard.bmp");
    assets.WritePicture("bv_background4.bmp");
    test::SetUpAllRecords();

    EXPECT_EQ(Shark.Installed, kTrue);
    EXPECT_EQ(Dolphin.Installed, kTrue);
    EXPECT_EQ(Whale.Installed, kFalse);
    EXPECT_EQ(LifeGuard.Installed, kTrue);
    EXPECT_EQ(Mermaid.Installed, kFalse);

    // Each clam and each school member checks the shared sheet for itself.
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(Clam(i).Installed, kTrue) << "clam " << i;
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(AngelFish(i).Installed, kTrue) << "angelfish " << i;

    // Each bottle has its own picture.
    EXPECT_EQ(Bottle(1).Installed, kFalse);
    EXPECT_EQ(Bottle(2).Installed, kTrue);

    // A bubble stream's first bubble speaks for the stream.
    EXPECT_EQ(BubblesLeft(1).Installed, kTrue);
    EXPECT_EQ(BubblesRight(1).Installed, kTrue);
    EXPECT_EQ(BubblesLeft(2).Installed, kFalse);

    // Only the chosen background's file counts.
    EXPECT_EQ(Background.Installed, kFalse);
    Background.Choice = 4;
    test::SetUpAllRecords();
    EXPECT_EQ(Background.Installed, kTrue);
}

TEST(Installed, MissingAssetFolderLeavesEveryRecordCompleteButNotInstalled) {
    test::StartAfresh();
    AssetDir = "/nonexistent-bluvessa-assets/Zentrova/Bluvessa/";
    test::ErrorRecorder errors;
    test::SetUpAllRecords();
    AssetDir.clear();

    EXPECT_TRUE(errors.codes().empty());
    int withPicture = 0;
    ForEachRecord([&](Sprite& record) {
        EXPECT_EQ(record.Installed, kFalse) << record.FileName;
        if (!record.FileName.empty()) {
            ++withPicture;
            EXPECT_GT(record.Width, 0) << record.FileName;
            EXPECT_GT(record.Height, 0) << record.FileName;
            EXPECT_GT(record.Frames, 0) << record.FileName;
        }
    });
    // 9 scenery, 38 fish, 10 predator and 13 other records name a picture: of
    // the bubbles only each stream's first, and the previews are set up elsewhere.
    EXPECT_EQ(withPicture, 70);
}

}  // namespace
}  // namespace bv
