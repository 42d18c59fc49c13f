// The profile file's reading and writing rules, on files of every shape.

#include "platform/profile_file.h"

#include <gtest/gtest.h>

#include <string>

#include "test_support.h"

namespace bv {
namespace {

using test::ReadBytes;
using test::WriteBytes;
using namespace std::string_literals;

constexpr std::size_t kCapacity = 128;

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

TEST_F(ProfileFileTest, MissingFileSectionOrKeyReadsAsDefault) {
    EXPECT_EQ(Read("Bluvessa", "shark"), "");
    EXPECT_EQ(ReadProfileString(path_, "Bluvessa", "shark", "dflt", kCapacity), "dflt");

    WriteBytes(path_, "[Other]\nshark=1\n");
    EXPECT_EQ(Read("Bluvessa", "shark"), "");

    WriteBytes(path_, "[Bluvessa]\norca=1\n");
    EXPECT_EQ(Read("Bluvessa", "shark"), "");
    EXPECT_EQ(Read("Bluvessa", "orca"), "1");
}

TEST_F(ProfileFileTest, SectionAndKeyNamesMatchWithoutRegardToCase) {
    WriteBytes(path_, "[bluVESSA]\nDolphin=1\n");
    EXPECT_EQ(Read("Bluvessa", "dolphin"), "1");
    EXPECT_EQ(Read("BLUVESSA", "DOLPHIN"), "1");

    ASSERT_TRUE(Write("Bluvessa", "DOLPHIN", "0"));
    EXPECT_EQ(ReadBytes(path_), "[bluVESSA]\nDolphin=0\n");
}

TEST_F(ProfileFileTest, ValuesLoseSurroundingBlanksAndOnePairOfQuotes) {
    WriteBytes(path_,
               "[Bluvessa]\n"
               "  shark \t=  2 \t\n"
               "messagetext=\"  hello there \"\n"
               "single='x'\n"
               "unbalanced=\"abc\n"
               "inner=a \"b\" c\n"
               "empty=\n"
               "blank=   \n");
    EXPECT_EQ(Read("Bluvessa", "shark"), "2");
    EXPECT_EQ(Read("Bluvessa", "messagetext"), "  hello there ");
    EXPECT_EQ(Read("Bluvessa", "single"), "x");
    EXPECT_EQ(Read("Bluvessa", "unbalanced"), "\"abc");
    EXPECT_EQ(Read("Bluvessa", "inner"), "a \"b\" c");
    EXPECT_EQ(Read("Bluvessa", "empty"), "");
    EXPECT_EQ(Read("Bluvessa", "blank"), "");
}

TEST_F(ProfileFileTest, ValuesArriveCutToOneLessThanTheCapacity) {
    std::string longValue;
    for (int i = 0; i < 200; ++i) longValue += static_cast<char>('a' + i % 26);
    const std::string exact(127, 'x');
    // 126 bytes, then a two-byte character that would straddle the cut.
    const std::string straddling = std::string(126, 'y') + "\xC3\xA9" + "z";
    WriteBytes(path_, "[Bluvessa]\nlong=" + longValue + "\nexact=" + exact +
                          "\nstraddling=" + straddling + "\n");

    EXPECT_EQ(Read("Bluvessa", "long"), longValue.substr(0, 127));
    EXPECT_EQ(Read("Bluvessa", "exact"), exact);
    EXPECT_EQ(Read("Bluvessa", "straddling"), std::string(126, 'y'));
    EXPECT_EQ(ReadProfileString(path_, "Bluvessa", "long", "", 5), "abcd");
    EXPECT_EQ(ReadProfileString(path_, "Bluvessa", "nothing", longValue, kCapacity),
              longValue.substr(0, 127));
}

TEST_F(ProfileFileTest, CrlfAndCrLineEndingsReadAndAreKeptOnWrite) {
    WriteBytes(path_, "; saved on Windows\r\n[Bluvessa]\r\nshark=1\r\norca=0\r\n");
    EXPECT_EQ(Read("Bluvessa", "shark"), "1");
    EXPECT_EQ(Read("Bluvessa", "orca"), "0");
    ASSERT_TRUE(Write("Bluvessa", "orca", "1"));
    ASSERT_TRUE(Write("Bluvessa", "whale", "1"));
    EXPECT_EQ(ReadBytes(path_),
              "; saved on Windows\r\n[Bluvessa]\r\nshark=1\r\norca=1\r\nwhale=1\r\n");

    WriteBytes(path_, "[Bluvessa]\rshark=1\rorca=0");
    EXPECT_EQ(Read("Bluvessa", "shark"), "1");
    EXPECT_EQ(Read("Bluvessa", "orca"), "0");
    ASSERT_TRUE(Write("Bluvessa", "whale", "1"));
    EXPECT_EQ(ReadBytes(path_), "[Bluvessa]\rshark=1\rorca=0\rwhale=1\r");
}

TEST_F(ProfileFileTest, BinaryBytesAndNulsNeitherBreakReadsNorGetLostOnWrite) {
    const std::string garbage = "\x00\xFF\xFE=\x01\x02[\x7F\x80\x00\x00="s;
    const std::string contents = garbage + "\n[Bluvessa]\n" + garbage +
                                 "\nshark=1\nmessagetext=ab\0cd\n"s +
                                 "\xC3\xA9t\xC3\xA9=\xFF\xFE\n";
    WriteBytes(path_, contents);

    EXPECT_EQ(Read("Bluvessa", "shark"), "1");
    EXPECT_EQ(Read("Bluvessa", "messagetext"), "ab");  // a NUL ends the value
    ASSERT_TRUE(Write("Bluvessa", "shark", "0"));
    std::string expected = contents;
    expected.replace(expected.find("shark=1"), 7, "shark=0");
    EXPECT_EQ(ReadBytes(path_), expected);
}

TEST_F(ProfileFileTest, VeryLongLinesAreReadPastAndKept) {
    const std::string hugeComment = "; " + std::string(1 << 20, 'c');
    const std::string contents =
        hugeComment + "\n[Bluvessa]\nhuge=" + std::string(100000, 'h') + "\nshark=1\n";
    WriteBytes(path_, contents);

    EXPECT_EQ(Read("Bluvessa", "shark"), "1");
    EXPECT_EQ(Read("Bluvessa", "huge"), std::string(127, 'h'));
    ASSERT_TRUE(Write("Bluvessa", "orca", "1"));
    EXPECT_EQ(ReadBytes(path_), contents + "orca=1\n");
}

TEST_F(ProfileFileTest, KeysBeforeAnySectionBelongToNone) {
    WriteBytes(path_, "shark=1\nBluvessa=1\n");
    EXPECT_EQ(Read("Bluvessa", "shark"), "");

    ASSERT_TRUE(Write("Bluvessa", "shark", "0"));
    EXPECT_EQ(ReadBytes(path_), "shark=1\nBluvessa=1\n[Bluvessa]\nshark=0\n");
    EXPECT_EQ(Read("Bluvessa", "shark"), "0");
}

TEST_F(ProfileFileTest, ASectionGivenTwiceIsReadAndWrittenInItsFirstPlace) {
    WriteBytes(path_, "[Bluvessa]\nshark=1\n\n[Other]\nx=1\n\n[BLUVESSA]\nshark=0\norca=1\n");
    EXPECT_EQ(Read("Bluvessa", "shark"), "1");
    EXPECT_EQ(Read("Bluvessa", "orca"), "");  // only the first section counts

    ASSERT_TRUE(Write("Bluvessa", "shark", "5"));
    ASSERT_TRUE(Write("Bluvessa", "orca", "7"));
    EXPECT_EQ(ReadBytes(path_),
              "[Bluvessa]\nshark=5\norca=7\n\n[Other]\nx=1\n\n[BLUVESSA]\nshark=0\norca=1\n");
}

TEST_F(ProfileFileTest, TheFirstOfDuplicateKeysIsReadAndReplaced) {
    WriteBytes(path_, "[Bluvessa]\nspeed=10\nSPEED=20\n");
    EXPECT_EQ(Read("Bluvessa", "speed"), "10");

    ASSERT_TRUE(Write("Bluvessa", "Speed", "30"));
    EXPECT_EQ(ReadBytes(path_), "[Bluvessa]\nspeed=30\nSPEED=20\n");
}

TEST_F(ProfileFileTest, AWriteChangesOnlyItsOwnLine) {
    const std::string before =
        "; settings of the undersea saver\n"
        "[Other]\n"
        "shark=9\n"
        "\n"
        "[Bluvessa]\n"
        "# written by hand\n"
        "shark = 1\n"
        "orca=0\n"
        "\n"
        "\n"
        "[Last]\n"
        "x=y\n";
    WriteBytes(path_, before);

    ASSERT_TRUE(Write("Bluvessa", "shark", "0"));  // in place, blanks around "=" kept
    ASSERT_TRUE(Write("Bluvessa", "whale", "1"));  // after the section's last entry
    ASSERT_TRUE(Write("Fresh", "key", "value"));   // a new section at the end
    EXPECT_EQ(ReadBytes(path_),
              "; settings of the undersea saver\n"
              "[Other]\n"
              "shark=9\n"
              "\n"
              "[Bluvessa]\n"
              "# written by hand\n"
              "shark = 0\n"
              "orca=0\n"
              "whale=1\n"
              "\n"
              "\n"
              "[Last]\n"
              "x=y\n"
              "[Fresh]\n"
              "key=value\n");
}

TEST_F(ProfileFileTest, AWriteCreatesTheFileAndEndsALastLineThatHadNoEnding) {
    ASSERT_TRUE(Write("Bluvessa", "shark", "1"));
    EXPECT_EQ(ReadBytes(path_), "[Bluvessa]\nshark=1\n");

    WriteBytes(path_, "[Bluvessa]\nshark=1");
    ASSERT_TRUE(Write("Bluvessa", "orca", "0"));
    EXPECT_EQ(ReadBytes(path_), "[Bluvessa]\nshark=1\norca=0\n");

    WriteBytes(path_, "[Bluvessa]");
    ASSERT_TRUE(Write("Bluvessa", "orca", "0"));
    EXPECT_EQ(ReadBytes(path_), "[Bluvessa]\norca=0\n");
}

TEST_F(ProfileFileTest, AValueCannotBreakOutOfItsLine) {
    ASSERT_TRUE(Write("Bluvessa", "messagetext", "hello\nshark=1\r\n[Other]"));
    EXPECT_EQ(Read("Bluvessa", "shark"), "");
    EXPECT_EQ(Read("Bluvessa", "messagetext"), "hello shark=1  [Other]");

    ASSERT_TRUE(Write("Bluvessa", "messagetext", std::string("cut\0here", 8)));
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
