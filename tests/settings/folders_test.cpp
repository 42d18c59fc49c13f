// Where the folders are, file-name parts, finding files without regard to
// case; and the platform's two small rules: the screen-saver-running state
// and a centred form.

#include "settings/folders.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <filesystem>
#include <string>

#include "platform/case_insensitive_path.h"
#include "platform/center_form.h"
#include "platform/platform_family.h"
#include "settings/platform_version.h"
#include "settings/settings_globals.h"
#include "test_support.h"

namespace bv {
namespace {

using test::ScopedEnvironment;
using test::WriteBytes;

namespace fs = std::filesystem;

class FoldersTest : public ::testing::Test {
protected:
    test::ErrorRecorder errors_;
};

// The Windows folder is the chosen one, ending in one separator, or else the
// user's data folder (an absolute $XDG_DATA_HOME, or ~/.local/share); the
// media folder lies below it.
TEST_F(FoldersTest, TheWindowsFolderIsTheChosenOneOrTheUsersDataFolder) {
    ScopedEnvironment home("HOME", "/home/diver");
    const struct {
        const char* chosen;
        const char* dataHome;
        std::string windows;
    } cases[] = {
        {"/opt/saver/windows", nullptr, "/opt/saver/windows/"},
        {"/opt/saver/windows/", "/data/diver", "/opt/saver/windows/"},
        {"/opt/saver/windows//", nullptr, "/opt/saver/windows/"},
        {"", "/data/diver/", "/data/diver/bluvessa/"},
        {nullptr, nullptr, "/home/diver/.local/share/bluvessa/"},
        {"", "relative/data", "/home/diver/.local/share/bluvessa/"},
    };
    for (const auto& [chosen, dataHome, windows] : cases) {
        SCOPED_TRACE(windows);
        ScopedEnvironment windowsChoice("BLUVESSA_WINDOWS_DIR", chosen);
        ScopedEnvironment dataHomeChoice("XDG_DATA_HOME", dataHome);
        GetDiectories();
        EXPECT_EQ(WindowsDir, windows);
        EXPECT_EQ(AssetDir, windows + "Zentrova/Bluvessa/");
    }
    EXPECT_TRUE(errors_.codes().empty());
}

TEST_F(FoldersTest, TrimPathKeepsWhatFollowsTheLastSeparatorOfEitherKind) {
    EXPECT_EQ(TrimPath("/home/diver/.local/share/bluvessa/Zentrova/Bluvessa/bv_shark.bmp"),
              "bv_shark.bmp");
    EXPECT_EQ(TrimPath("C:\\WINDOWS\\Zentrova\\Bluvessa\\bv_shark.bmp"), "bv_shark.bmp");
    EXPECT_EQ(TrimPath("media\\mixed/bv_shark.bmp"), "bv_shark.bmp");
    EXPECT_EQ(TrimPath("bv_shark.bmp"), "bv_shark.bmp");
    EXPECT_EQ(TrimPath("/some/folder/"), "");
    EXPECT_EQ(TrimPath("C:\\WINDOWS\\"), "");
    EXPECT_EQ(TrimPath(""), "");
}

TEST_F(FoldersTest, FileInstallCheckIgnoresCaseButNotHiddenFilesOrFolders) {
    test::ScratchFolder folder;
    WriteBytes(folder / "BV_SHARK.BMP", "BM");
    WriteBytes(folder / "bv_song3.Mid", "MThd");
    WriteBytes(folder / ".bv_orca.bmp", "BM");
    fs::create_directory(folder / "bv_whale.bmp");

    EXPECT_EQ(FileInstallCheck(folder / "bv_shark.bmp"), kTrue);
    EXPECT_EQ(FileInstallCheck(folder / "Bv_Shark.Bmp"), kTrue);
    EXPECT_EQ(FileInstallCheck(folder / "BV_SONG3.MID"), kTrue);
    EXPECT_EQ(FileInstallCheck(folder / ".bv_orca.bmp"), kFalse);
    EXPECT_EQ(FileInstallCheck(folder / ".BV_ORCA.BMP"), kFalse);
    EXPECT_EQ(FileInstallCheck(folder / "bv_whale.bmp"), kFalse);
    EXPECT_EQ(FileInstallCheck(folder / "bv_tuna.bmp"), kFalse);
    EXPECT_EQ(FileInstallCheck(folder.path()), kFalse);
    EXPECT_EQ(FileInstallCheck(""), kFalse);
    EXPECT_TRUE(errors_.codes().empty());
}

TEST_F(FoldersTest, MediaPathsResolveWithoutRegardToCaseInEveryFolder) {
    test::ScratchFolder folder;
    fs::create_directories(folder / "zentrova/BLUVESSA");
    WriteBytes(folder / "zentrova/BLUVESSA/bv_Dolphin.BMP", "BM");

    const std::string asked = folder / "Zentrova/Bluvessa/bv_dolphin.bmp";
    EXPECT_EQ(ResolveCaseInsensitive(asked), folder / "zentrova/BLUVESSA/bv_Dolphin.BMP");
    EXPECT_EQ(FileInstallCheck(asked), kTrue);

    const std::string missing = folder / "Zentrova/Bluvessa/bv_orca.bmp";
    EXPECT_EQ(ResolveCaseInsensitive(missing), missing);
}

TEST_F(FoldersTest, AnExactMatchIsPreferredAmongNamesThatDifferOnlyInCase) {
    test::ScratchFolder folder;
    WriteBytes(folder / "bv_crab.bmp", "lower");
    WriteBytes(folder / "BV_CRAB.BMP", "upper");
    WriteBytes(folder / "Bv_Crab.bmp", "mixed");

    EXPECT_EQ(ResolveCaseInsensitive(folder / "BV_CRAB.BMP"), folder / "BV_CRAB.BMP");
    EXPECT_EQ(ResolveCaseInsensitive(folder / "bv_crab.bmp"), folder / "bv_crab.bmp");
    // No exact match: the first in name order, the same on every run.
    EXPECT_EQ(ResolveCaseInsensitive(folder / "bV_cRaB.BmP"), folder / "BV_CRAB.BMP");
}

// Only the "95" family with a password switches the running state, on
// "disable" and "enable" in any mix of case.
TEST_F(FoldersTest, OnlyThe95FamilyWithAPasswordSwitchesTheRunningState) {
    const struct {
        const char* version;
        Integer password;
        const char* action;
        Integer before, after;
    } cases[] = {
        {"95", 1, "DiSaBlE", kFalse, kTrue},       {"95", 1, "something else", kTrue, kTrue},
        {"95", 1, "ENABLE", kTrue, kFalse},        {"95", 1, "disabled", kFalse, kFalse},
        {"NT", 1, "disable", kFalse, kFalse},      {"95", 0, "disable", kFalse, kFalse},
        {"Unknown", 1, "disable", kFalse, kFalse}, {"NT", 1, "enable", kTrue, kTrue},
        {"95", 2, "enable", kTrue, kTrue},         {"Unknown", 1, "enable", kTrue, kTrue},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.version) + " " + c.action);
        WinVersion = c.version;
        UsePassword = c.password;
        ScreenSaverRunningState = c.before;
        SetTFS(c.action);
        EXPECT_EQ(ScreenSaverRunningState, c.after);
    }
}

TEST_F(FoldersTest, CenterFormPutsTheFormInTheMiddleOfThePrimaryScreen) {
    ScopedEnvironment platform("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "settings_tests";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();

    QWidget form;
    form.resize(201, 100);
    form.move(3, 7);
    CenterForm(form);
    EXPECT_EQ(form.size(), QSize(201, 100));
    EXPECT_EQ(form.pos(),
              QPoint(screen.x() + screen.width() / 2 - 100, screen.y() + screen.height() / 2 - 50));
}

}  // namespace
}  // namespace bv
