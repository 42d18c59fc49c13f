// Which media pack a run uses: the user's own, else the installed one.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "settings/folders.h"
#include "settings/settings_globals.h"
#include "test_support.h"

namespace bv {
namespace {

TEST(InstalledMedia, TheUsersOwnPackComesFirstThenTheInstalledOne) {
    test::ScratchFolder scratch;
    const std::string own = scratch / "home/Zentrova/Bluvessa/";
    const std::string installed = scratch / "installed/";
    std::filesystem::create_directories(own);
    std::filesystem::create_directories(installed);
    test::ScopedEnvironment windows("BLUVESSA_WINDOWS_DIR", (scratch / "home").c_str());

    struct Case {
        bool ownPack;
        bool installedPack;
        std::string installedSetting;  // BLUVESSA_INSTALLED_MEDIA_DIR
        std::string expected;
    };
    const Case cases[] = {
        {true, true, installed, own},
        {false, true, installed, installed},
        {false, true, scratch / "installed", installed},  // the separator is added
        {false, false, installed, own},                   // nothing anywhere: the own folder
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.installedSetting + (c.ownPack ? " own" : "") +
                     (c.installedPack ? " installed" : ""));
        std::filesystem::remove(own + "bv_palette.bmp");
        std::filesystem::remove(installed + "BV_Palette.bmp");
        if (c.ownPack) test::WriteBytes(own + "bv_palette.bmp", "BM");
        if (c.installedPack) test::WriteBytes(installed + "BV_Palette.bmp", "BM");
        test::ScopedEnvironment media("BLUVESSA_INSTALLED_MEDIA_DIR", c.installedSetting.c_str());
        GetDiectories();
        EXPECT_EQ(AssetDir, c.expected);
    }
}

}  // namespace
}  // namespace bv
