// The pixel scale of a run: chosen by the settings or picked from the
// screen, and the scene's own screen that results.

#include <gtest/gtest.h>

#include <QSize>

#include "scene/scene_globals.h"
#include "startup/screen_size.h"

namespace bv {
namespace {

TEST(PixelScale, AutomaticFollowsTheDesktopFactorAndTheScreenHeight) {
    struct Case {
        int height;
        double ratio;
        int scale;
    };
    for (const Case& c :
         {Case{1080, 1.0, 1}, Case{1440, 1.0, 1}, Case{2160, 1.0, 2}, Case{4320, 1.0, 4},
          Case{1080, 2.0, 2}, Case{768, 1.25, 1}, Case{1080, 1.5, 2}, Case{2160, 3.0, 3},
          Case{9000, 1.0, 4}, Case{200, 0.5, 1}})
        EXPECT_EQ(AutomaticPixelScale(c.height, c.ratio), c.scale)
            << c.height << " high at factor " << c.ratio;
}

TEST(PixelScale, AChosenScaleWinsAndAnythingElseIsAutomatic) {
    const QSize uhd(3840, 2160);
    EXPECT_EQ(ChosenPixelScale(1, uhd, 1.0), 1);
    EXPECT_EQ(ChosenPixelScale(4, uhd, 1.0), 4);
    for (int unusable : {0, -1, 5, 99}) EXPECT_EQ(ChosenPixelScale(unusable, uhd, 1.0), 2);
}

TEST(PixelScale, TheSceneGetsTheWholeScaledPixelsThatFit) {
    UseDrawingArea(QSize(3841, 2161), 2);
    EXPECT_EQ(PixelScale, 2);
    EXPECT_EQ(ScreenWidth, 1920);
    EXPECT_EQ(ScreenHeight, 1080);
    EXPECT_EQ(SwimBottom, 1080 - 65);
    UseDrawingArea(QSize(1920, 1080), 1);
    EXPECT_EQ(ScreenWidth, 1920);
}

}  // namespace
}  // namespace bv
