// Single settings values in the Windows folder's settings file.

#include "settings/ini_access.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "settings/settings_globals.h"
#include "test_support.h"

namespace bv {
namespace {

using test::FolderEntries;
using test::ReadBytes;
using test::WriteBytes;

class IniAccessTest : public ::testing::Test {
protected:
    void SetUp() override { WindowsDir = folder_.path(); }

    test::ScratchFolder folder_;
    test::ErrorRecorder errors_;
};

TEST_F(IniAccessTest, ABareFileNameLiesInTheWindowsFolderWhateverItsCase) {
    EXPECT_FALSE(PutIniData(kSettingsFileName, kSettingsSection, "shark", "1"));
    EXPECT_EQ(ReadBytes(folder_ / "zentrova.ini"), "[Bluvessa]\nshark=1\n");
    EXPECT_EQ(GetIniData(kSettingsFileName, kSettingsSection, "SHARK"), "1");

    // A file someone stored in capitals is the same file, read and written.
    test::ScratchFolder other;
    WindowsDir = other.path();
    WriteBytes(other / "ZENTROVA.INI", "[BLUVESSA]\nSHARK=2\n");
    EXPECT_EQ(GetIniData(kSettingsFileName, kSettingsSection, "shark"), "2");
    EXPECT_FALSE(PutIniData(kSettingsFileName, kSettingsSection, "shark", "3"));
    EXPECT_EQ(FolderEntries(other.path()), std::vector<std::string>{"ZENTROVA.INI"});
    EXPECT_EQ(ReadBytes(other / "ZENTROVA.INI"), "[BLUVESSA]\nSHARK=3\n");
    EXPECT_TRUE(errors_.codes().empty());
}

// Refusals even the super-user meets: the folder (or one above it) is a plain
// file, the settings file is a folder. Nothing that is there is harmed.
TEST_F(IniAccessTest, AWriteTheFileSystemRefusesNamesTheFileAndTheReason) {
    WriteBytes(folder_ / "not-a-folder", "keep me");
    std::filesystem::create_directories(folder_ / "a-folder/zentrova.ini");
    WriteBytes(folder_ / "a-folder/zentrova.ini/inside", "data");
    const struct {
        std::string windowsDir;
        std::string reason;
    } cases[] = {{folder_ / "not-a-folder/", "Not a directory"},
                 {folder_ / "not-a-folder/deeper/", "Not a directory"},
                 {folder_ / "a-folder/", "Is a directory"}};
    for (const auto& [windowsDir, reason] : cases) {
        WindowsDir = windowsDir;
        const std::optional<IniWriteFailure> failure =
            PutIniData(kSettingsFileName, kSettingsSection, "shark", "1");
        ASSERT_TRUE(failure) << windowsDir;
        EXPECT_EQ(failure->path, windowsDir + "zentrova.ini");
        EXPECT_EQ(failure->reason, reason) << windowsDir;
        EXPECT_EQ(GetIniData(kSettingsFileName, kSettingsSection, "shark"), "");
    }
    EXPECT_EQ(ReadBytes(folder_ / "not-a-folder"), "keep me");
    EXPECT_EQ(ReadBytes(folder_ / "a-folder/zentrova.ini/inside"), "data");
    EXPECT_TRUE(errors_.codes().empty());
}

}  // namespace
}  // namespace bv
