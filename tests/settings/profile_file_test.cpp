// The profile file's reading and writing rules, on files of every shape.

#include "platform/profile_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "test_support.h"

namespace bv {
namespace {

using test::ReadBytes;
using test::WriteBytes;
using namespace std::string_literals;

constexpr std::size_t kCapacity = 128;

// Files that are hard to read: binary bytes and NULs in and around the
// section, and lines far longer than any value.
const std::string kGarbage = "\x00\xFF\xFE=\x01\x02[\x7F\x80\x00\x00="s;
const std::string kBinary = kGarbage + "\n[Bluvessa]\n" + kGarbage +
                            "\nshark=1\nmessagetext=ab\0cd\n\xC3\xA9t\xC3\xA9=\xFF\xFE\n"s;
const std::string kHuge = "; " + std::string(1 << 20, 'c') +
                          "\n[Bluvessa]\nhuge=" + std::string(100000, 'h') + "\nshark=1\n";

class ProfileFileTest : public ::testing::Test {
protected:
    std::string Read(const std::string& section, const std::string& key) {
        return ReadProfileString(path_, section, key, "", kCapacity);
    }
    bool Write(const std::string& section, const std::string& key, const std::string& value) {
        return WriteProfileString(path_, section, key, value);
    }

    test::ScratchFolder folder_;
    std::string path_ = folder_ / "zentrova.ini";
};

// Files of many shapes, each with what some keys read.
TEST_F(ProfileFileTest, ReadingFindsTheFirstMatchAndCleansTheValue) {
    std::string alphabet;
    for (int i = 0; i < 200; ++i) alphabet += static_cast<char>('a' + i % 26);
    const struct {
        std::string file;
        std::vector<std::pair<std::string, std::string>> read;  // "Section/key", value
    } cases[] = {
        {"[Other]\nshark=1\n", {{"Bluvessa/shark", ""}}},
        {"[Bluvessa]\norca=1\n", {{"Bluvessa/shark", ""}, {"Bluvessa/orca", "1"}}},
        {"[bluVESSA]\nDolphin=1\n", {{"Bluvessa/dolphin", "1"}, {"BLUVESSA/DOLPHIN", "1"}}},
        // Blanks around the value and one pair of quotes go.
        {"[Bluvessa]\n  shark \t=  2 \t\nmessagetext=\"  hello there \"\nsingle='x'\n"
         "unbalanced=\"abc\ninner=a \"b\" c\nempty=\nblank=   \n",
         {{"Bluvessa/shark", "2"},
          {"Bluvessa/messagetext", "  hello there "},
          {"Bluvessa/single", "x"},
          {"Bluvessa/unbalanced", "\"abc"},
          {"Bluvessa/inner", "a \"b\" c"},
          {"Bluvessa/empty", ""},
          {"Bluvessa/blank", ""}}},
        // Cut to one less than the capacity, never inside a character.
        {"[Bluvessa]\nlong=" + alphabet + "\nexact=" + std::string(127, 'x') +
             "\nstraddling=" + std::string(126, 'y') + "\xC3\xA9z\n",
         {{"Bluvessa/long", alphabet.substr(0, 127)},
          {"Bluvessa/exact", std::string(127, 'x')},
          {"Bluvessa/straddling", std::string(126, 'y')}}},
        {"; saved on Windows\r\n[Bluvessa]\r\nshark=1\r\norca=0\r\n",
         {{"Bluvessa/shark", "1"}, {"Bluvessa/orca", "0"}}},
        {"[Bluvessa]\rshark=1\rorca=0", {{"Bluvessa/shark", "1"}, {"Bluvessa/orca", "0"}}},
        // Binary bytes do not break the reading; a NUL ends a value.
        {kBinary, {{"Bluvessa/shark", "1"}, {"Bluvessa/messagetext", "ab"}}},
        {kHuge, {{"Bluvessa/shark", "1"}, {"Bluvessa/huge", std::string(127, 'h')}}},
        // Keys before any section belong to none; only a section's first
        // place and a key's first line count.
        {"shark=1\nBluvessa=1\n", {{"Bluvessa/shark", ""}}},
        {"[Bluvessa]\nshark=1\n\n[Other]\nx=1\n\n[BLUVESSA]\nshark=0\norca=1\n",
         {{"Bluvessa/shark", "1"}, {"Bluvessa/orca", ""}}},
        {"[Bluvessa]\nspeed=10\nSPEED=20\n", {{"Bluvessa/speed", "10"}}},
    };
    EXPECT_EQ(Read("Bluvessa", "shark"), "");  // no file
    EXPECT_EQ(ReadProfileString(path_, "Bluvessa", "shark", "dflt", kCapacity), "dflt");
    for (const auto& [file, reads] : cases) {
        WriteBytes(path_, file);
        for (const auto& [where, value] : reads) {
            const std::size_t slash = where.find('/');
            EXPECT_EQ(Read(where.substr(0, slash), where.substr(slash + 1)), value)
                << where << " in " << file.substr(0, 40);
        }
    }
    WriteBytes(path_, "[Bluvessa]\nlong=" + alphabet + "\n");
    EXPECT_EQ(ReadProfileString(path_, "Bluvessa", "long", "", 5), "abcd");
    EXPECT_EQ(ReadProfileString(path_, "Bluvessa", "nothing", alphabet, kCapacity),
              alphabet.substr(0, 127));
}

// A write changes its own line in place (blanks around "=" kept), adds a key
// after its section's last entry and a section at the end, ends lines as the
// file does, and leaves every other byte as it was.
TEST_F(ProfileFileTest, AWriteChangesOnlyItsOwnLine) {
    struct Put {
        const char* section;
        const char* key;
        std::string value;
    };
    std::string binaryAfter = kBinary;
    binaryAfter.replace(binaryAfter.find("shark=1"), 7, "shark=0");
    const struct {
        std::optional<std::string> before;  // no file for nullopt
        std::vector<Put> writes;
        std::string after;
    } cases[] = {
        {std::nullopt, {{"Bluvessa", "shark", "1"}}, "[Bluvessa]\nshark=1\n"},
        {"[Bluvessa]\nshark=1", {{"Bluvessa", "orca", "0"}}, "[Bluvessa]\nshark=1\norca=0\n"},
        {"[Bluvessa]", {{"Bluvessa", "orca", "0"}}, "[Bluvessa]\norca=0\n"},
        {"[bluVESSA]\nDolphin=1\n", {{"Bluvessa", "DOLPHIN", "0"}}, "[bluVESSA]\nDolphin=0\n"},
        {"; saved on Windows\r\n[Bluvessa]\r\nshark=1\r\norca=0\r\n",
         {{"Bluvessa", "orca", "1"}, {"Bluvessa", "whale", "1"}},
         "; saved on Windows\r\n[Bluvessa]\r\nshark=1\r\norca=1\r\nwhale=1\r\n"},
        {"[Bluvessa]\rshark=1\rorca=0",
         {{"Bluvessa", "whale", "1"}},
         "[Bluvessa]\rshark=1\rorca=0\rwhale=1\r"},
        {kBinary, {{"Bluvessa", "shark", "0"}}, binaryAfter},
        {kHuge, {{"Bluvessa", "orca", "1"}}, kHuge + "orca=1\n"},
        {"shark=1\nBluvessa=1\n",
         {{"Bluvessa", "shark", "0"}},
         "shark=1\nBluvessa=1\n[Bluvessa]\nshark=0\n"},
        {"[Bluvessa]\nshark=1\n\n[Other]\nx=1\n\n[BLUVESSA]\nshark=0\norca=1\n",
         {{"Bluvessa", "shark", "5"}, {"Bluvessa", "orca", "7"}},
         "[Bluvessa]\nshark=5\norca=7\n\n[Other]\nx=1\n\n[BLUVESSA]\nshark=0\norca=1\n"},
        {"[Bluvessa]\nspeed=10\nSPEED=20\n",
         {{"Bluvessa", "Speed", "30"}},
         "[Bluvessa]\nspeed=30\nSPEED=20\n"},
        {"; settings\n[Other]\nshark=9\n\n[Bluvessa]\n# by hand\nshark = "
         "1\norca=0\n\n\n[Last]\nx=y\n",
         {{"Bluvessa", "shark", "0"}, {"Bluvessa", "whale", "1"}, {"Fresh", "key", "value"}},
         "; settings\n[Other]\nshark=9\n\n[Bluvessa]\n# by hand\nshark = 0\norca=0\nwhale=1\n\n\n"
         "[Last]\nx=y\n[Fresh]\nkey=value\n"},
        // A value cannot break out of its line.
        {std::nullopt,
         {{"Bluvessa", "messagetext", "hello\nshark=1\r\n[Other]"}},
         "[Bluvessa]\nmessagetext=hello shark=1  [Other]\n"},
    };
    for (const auto& [before, writes, after] : cases) {
        std::filesystem::remove(path_);
        if (before) WriteBytes(path_, *before);
        for (const Put& write : writes)
            ASSERT_TRUE(Write(write.section, write.key, write.value)) << write.key;
        EXPECT_EQ(ReadBytes(path_), after);
    }
    ASSERT_TRUE(Write("Bluvessa", "messagetext", "cut\0here"s));
    EXPECT_EQ(Read("Bluvessa", "messagetext"), "cut");
}

TEST_F(ProfileFileTest, NamesThatCannotBeWrittenChangeNothing) {
    WriteBytes(path_, "[Bluvessa]\nshark=1\n");
    EXPECT_FALSE(Write("Bluvessa", "", "1"));
    EXPECT_FALSE(Write("Bluvessa", "   ", "1"));
    EXPECT_FALSE(Write("Bluvessa", "a=b", "1"));
    EXPECT_FALSE(Write("Bluvessa", "[Other]", "1"));
    EXPECT_FALSE(Write("Bluvessa", "two\nlines", "1"));
    EXPECT_FALSE(Write("Blu]vessa", "shark", "1"));
    EXPECT_FALSE(Write("", "shark", "1"));
    EXPECT_EQ(ReadBytes(path_), "[Bluvessa]\nshark=1\n");
}

}  // namespace
}  // namespace bv
