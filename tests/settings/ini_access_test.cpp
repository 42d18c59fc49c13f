// Single settings values in the Windows folder's settings file.

#include "settings/ini_access.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/profile_file.h"
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

TEST_F(IniAccessTest, ValuesArriveAsAtMost127Characters) {
    const std::string message(200, 'q');
    EXPECT_FALSE(PutIniData(kSettingsFileName, kSettingsSection, "messagetext", message));
    EXPECT_EQ(GetIniData(kSettingsFileName, kSettingsSection, "messagetext"),
              message.substr(0, 127));
    EXPECT_EQ(GetIniData(kSettingsFileName, kSettingsSection, "missing"), "");
    EXPECT_EQ(GetIniData("absent.ini", kSettingsSection, "messagetext"), "");
}

// Refusals even the super-user meets: the folder is a plain file, the
// settings file is a folder.
TEST_F(IniAccessTest, AWriteTheFileSystemRefusesNamesTheFileAndTheReason) {
    WriteBytes(folder_ / "not-a-folder", "x");
    std::filesystem::create_directories(folder_ / "a-folder/zentrova.ini");
    const struct {
        std::string windowsDir;
        std::string reason;
    } cases[] = {{folder_ / "not-a-folder/", "Not a directory"},
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
    EXPECT_TRUE(errors_.codes().empty());
}

// The settings dialog saves 44 keys one after the other into whatever file is
// there; everything else in the file must survive.
TEST_F(IniAccessTest, SavingEveryKeyKeepsTheRestOfTheFile) {
    const std::string head =
        "; Zentrova settings\r\n"
        "[Other Saver]\r\n"
        "speed=999\r\n"
        "\r\n"
        "[Bluvessa]\r\n"
        "; keep this note\r\n";
    const std::string tail =
        "\r\n"
        "[Later]\r\n"
        "clock=maybe\r\n"
        "; the end\r\n";
    WriteBytes(folder_ / "zentrova.ini", head + "shark=0\r\n" + tail);

    std::vector<std::pair<std::string, std::string>> saved = {
        {"firstrun", "1"},   {"centerpiece", "3"}, {"background", "2"},  {"foreground", "0"},
        {"whale", "1"},      {"orca", "0"},        {"hammerhead", "1"},  {"shark", "1"},
        {"manatee", "0"},    {"octopus", "1"},     {"tuna", "0"},        {"swimmaid", "1"},
        {"tigershark", "0"}, {"Dolphin", "1"},     {"redfish", "1"},     {"emperorfish", "0"},
        {"swimhorse", "1"},  {"blowfish", "0"},    {"yellowfish", "1"},  {"crab", "0"},
        {"clam", "1"},       {"seahorse", "0"},    {"angelfish", "1"},   {"bluedevil", "0"},
        {"scubadiver", "1"}, {"worm", "0"},        {"mofiasnitch", "1"}, {"pillar", "0"},
        {"bottle", "1"},     {"bubble", "0"},      {"anchor", "1"},      {"marinasign", "0"},
        {"eyes", "1"},       {"diverhead", "0"},   {"speed", "139"},     {"sound", "1"},
    };
    for (int song = 0; song < 6; ++song) saved.emplace_back("song" + std::to_string(song), "1");
    saved.emplace_back("message", "1");
    saved.emplace_back("clock", "0");
    ASSERT_EQ(saved.size(), 44u);

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
    EXPECT_EQ(crlf, 44u);
    EXPECT_EQ(std::count(entries.begin(), entries.end(), '\n'), 44);
    EXPECT_TRUE(errors_.codes().empty());
}

}  // namespace
}  // namespace bv
