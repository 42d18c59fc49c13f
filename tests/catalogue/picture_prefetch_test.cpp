// Pictures decoded ahead of the loader: each listed file comes out once,
// whole and with what is wrong with it, whichever thread decoded it; files
// not on the list are left to the loader.

#include "surfaces/picture_prefetch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue_test_support.h"

namespace bv {
namespace {

class PicturePrefetching : public ::testing::Test {
protected:
    // Pictures 1 x 1 to count x 1, each pixel holding its picture's width.
    std::vector<std::string> Pictures(int count) const {
        std::vector<std::string> paths;
        for (int width = 1; width <= count; ++width) {
            const std::string name = "p" + std::to_string(width) + ".bmp";
            assets_.WritePicture(name, width, 1,
                                 [width](int, int) { return static_cast<std::uint32_t>(width); });
            paths.push_back(assets_.path() + name);
        }
        return paths;
    }

    static void ExpectPicture(const DecodedPicture& decoded, int width) {
        EXPECT_EQ(decoded.problem, "");
        ASSERT_EQ(decoded.picture.width(), width);
        EXPECT_EQ(decoded.picture.colourAt(width - 1, 0),
                  0xFF000000u | static_cast<std::uint32_t>(width));
    }

    test::AssetFolder assets_;
};

TEST_F(PicturePrefetching, EachListedFileComesOutOnceFrontToBackOrBackToFront) {
    const std::vector<std::string> paths = Pictures(12);
    for (const bool backwards : {false, true}) {
        SCOPED_TRACE(backwards ? "back to front" : "front to back");
        PicturePrefetch prefetch(paths);
        for (int i = 0; i < 12; ++i) {
            const int width = backwards ? 12 - i : i + 1;
            const auto decoded = prefetch.Take(paths[static_cast<std::size_t>(width - 1)]);
            ASSERT_TRUE(decoded.has_value()) << width;
            ExpectPicture(*decoded, width);
        }
        EXPECT_FALSE(prefetch.Take(paths[0]).has_value()) << "a picture came out twice";
    }
}

TEST_F(PicturePrefetching, AMissingFileSaysSoAndAnUnlistedOneIsLeftToTheLoader) {
    const std::vector<std::string> paths = Pictures(2);
    const std::string missing = assets_.path() + "gone.bmp";
    PicturePrefetch prefetch({paths[0], missing, paths[1]});
    EXPECT_FALSE(prefetch.Take(assets_.path() + "p3.bmp").has_value());
    const auto gone = prefetch.Take(missing);
    ASSERT_TRUE(gone.has_value());
    EXPECT_EQ(gone->problem, "is missing");
    EXPECT_TRUE(gone->picture.isEmptyDefault());
    ExpectPicture(*prefetch.Take(paths[1]), 2);
    // paths[0] is never taken: the prefetch ends without it.
}

TEST_F(PicturePrefetching, OnlyTheLatestPrefetchIsInForceUntilItEnds) {
    const std::vector<std::string> paths = Pictures(1);
    EXPECT_EQ(PicturePrefetch::Active(), nullptr);
    {
        PicturePrefetch outer(paths);
        {
            PicturePrefetch inner({});
            EXPECT_EQ(PicturePrefetch::Active(), &inner);
        }
        EXPECT_EQ(PicturePrefetch::Active(), &outer);
    }
    EXPECT_EQ(PicturePrefetch::Active(), nullptr);
}

}  // namespace
}  // namespace bv
