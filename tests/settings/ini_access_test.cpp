// Single settings values in the Windows folder's settings file.

#include "settings/ini_access.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "scene/creatures.h"
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

// The settings dialog saves its keys one after the other into whatever file
// is there; everything else in the file must survive.
TEST_F(IniAccessTest, SavingEveryKeyKeepsTheRestOfTheFile) {
    const std::string head =
        "; Zentrova settings\r\n[Other Saver]\r\nspeed=999\r\n\r\n[Bluvessa]\r\n; keep this "
        "note\r\n";
    const std::string tail = "\r\n[Later]\r\nclock=maybe\r\n; the end\r\n";
    WriteBytes(folder_ / "zentrova.ini", head + "shark=0\r\n" + tail);

    std::vector<std::pair<std::string, std::string>> saved;
    for (const Creature& creature : Creatures())
        saved.emplace_back(creature.SavedKey(), std::to_string(saved.size() % 2));
    for (const char* key : {"speed", "sound", "message", "clock"}) saved.emplace_back(key, "1");
    for (const auto& [key, value] : saved)
        EXPECT_FALSE(PutIniData(kSettingsFileName, kSettingsSection, key, value)) << key;

    for (const auto& [key, value] : saved)
        EXPECT_EQ(GetIniData(kSettingsFileName, kSettingsSection, key), value) << key;
    const std::string after = ReadBytes(folder_ / "zentrova.ini");
    ASSERT_GE(after.size(), head.size() + tail.size());
    EXPECT_EQ(after.substr(0, head.size()), head);
    EXPECT_EQ(after.substr(after.size() - tail.size()), tail);
    EXPECT_EQ(GetIniData(kSettingsFileName, "Other Saver", "speed"), "999");
    EXPECT_EQ(GetIniData(kSettingsFileName, "Later", "clock"), "maybe");
    // Between them: one line per key (shark's replaced in place), each ending
    // as the rest of the file does.
    const std::string entries = after.substr(head.size(), after.size() - head.size() - tail.size());
    std::size_t crlf = 0;
    for (std::size_t at = entries.find("\r\n"); at != std::string::npos;
         at = entries.find("\r\n", at + 2))
        ++crlf;
    EXPECT_EQ(crlf, saved.size());
    EXPECT_EQ(static_cast<std::size_t>(std::count(entries.begin(), entries.end(), '\n')),
              saved.size());
    EXPECT_TRUE(errors_.codes().empty());
}

}  // namespace
}  // namespace bv
