// Reading every setting at start-up: until the settings dialog has saved,
// the file counts for nothing; then each key arrives in its setting, and a
// value that cannot be used falls back to what the first run has. The
// first-run values themselves are written out once, in the dialog's save test.

#include "startup/read_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>

#include "scene/creatures.h"
#include "scene/records.h"
#include "settings/settings_globals.h"
#include "startup/run_reset.h"
#include "test_support.h"

namespace bv {
namespace {

using namespace std::string_literals;
using Settings = std::map<std::string, std::string>;

class ReadSettingsTest : public ::testing::Test {
protected:
    // Reads the settings as a new process does, from a file whose section
    // holds these lines (none for nullptr); returns what went to standard error.
    std::string ReadFrom(const std::string* entries) {
        ResetRunState();
        WindowsDir = folder_.path();
        std::filesystem::remove(folder_ / "zentrova.ini");
        if (entries) test::WriteBytes(folder_ / "zentrova.ini", "[Bluvessa]\n" + *entries);
        ::testing::internal::CaptureStderr();
        X_GetData();
        return ::testing::internal::GetCapturedStderr();
    }
    std::string ReadFrom(const std::string& entries) { return ReadFrom(&entries); }

    // Every setting read, named by its key in the file; flags as 1 or 0.
    static Settings Read() {
        auto flag = [](Integer value) {
            return value == kTrue ? "1"s : value == kFalse ? "0"s : std::to_string(value);
        };
        Settings read = {{"background", std::to_string(Background.Choice)},
                         {"centerpiece", std::to_string(CenterPiece.Choice)},
                         {"foreground", std::to_string(Foreground.Choice)},
                         {"speed", std::to_string(Speed)},
                         {"sound", std::to_string(SoundMode)},
                         {"message", flag(ShowMessage)},
                         {"messagetext", MessageText},
                         {"clock", flag(ShowClock)}};
        for (std::size_t song = 0; song < SongEnabled.size(); ++song)
            read["song" + std::to_string(song)] = flag(SongEnabled[song]);
        for (const Creature& creature : Creatures())
            read[creature.key] = flag(creature.record->Enabled);
        return read;
    }

    Settings FirstRun() {
        ReadFrom(nullptr);
        return Read();
    }

    test::ScratchFolder folder_;
    test::ErrorRecorder errors_;
};

TEST_F(ReadSettingsTest, UntilTheDialogHasSavedTheFileCountsForNothing) {
    const Settings firstRun = FirstRun();
    for (const Creature& creature : Creatures())
        EXPECT_EQ(firstRun.at(creature.key), creature.onAtFirstRun ? "1" : "0") << creature.key;

    std::string everyKey =
        "background=3\ncenterpiece=2\nforeground=1\nspeed=10\nmessage=1\nmessagetext=hi\n"
        "sound=1\nsong0=1\nsong5=1\nclock=1\n";
    for (const Creature& creature : Creatures()) everyKey += std::string(creature.key) + "=1\n";
    for (const char* firstRunKey : {"firstrun=0\n", "firstrun=\n", "firstrun=-1\n",
                                    "firstrun=yes\n", "firstrun=1e999\n", ""}) {
        SCOPED_TRACE(firstRunKey);
        ReadFrom(firstRunKey + everyKey);
        EXPECT_EQ(Read(), firstRun);
    }
    EXPECT_TRUE(errors_.codes().empty());
}

// Each case: the section's lines after "firstrun=1", and settings then read.
TEST_F(ReadSettingsTest, StoredValuesArrive) {
    const std::pair<std::string, std::string> cases[] = {
        // Whole numbers round half to even; the foreground is never read.
        {"background=2.5\ncenterpiece=3.5\nspeed=70.5\nsound=1.2\nforeground=3\n",
         "background=2 centerpiece=4 speed=70 sound=1 foreground=0"},
        {"speed=71.5\n", "speed=72"},
        // Both ends of every range are usable.
        {"background=0\ncenterpiece=0\nspeed=1\nsound=0\n",
         "background=0 centerpiece=0 speed=1 sound=0"},
        {"background=3\ncenterpiece=7\nspeed=32767\nsound=2\n",
         "background=3 centerpiece=7 speed=32767 sound=2"},
        // A flag is set by a positive leading number; a missing key leaves it clear.
        {"shark=2\nwhale=1abc\nDolphin= 1\norca=-1\nmanatee=\ntuna=yes\noctopus=0.4\n",
         "shark=1 whale=1 dolphin=1 octopus=1 orca=0 manatee=0 tuna=0 swimmaid=0"},
        // The songs are read for music only.
        {"sound=2\nsong0=1\nsong3=1\n", "sound=2 song0=0 song3=0"},
        {"sound=1\nsong0=1\nsong3=1\nsong5=1\nsong1=0\n",
         "song0=1 song1=0 song2=0 song3=1 song4=0 song5=1"},
        {"message=1\nmessagetext=" + std::string(200, 'M') + "\nclock=1\n",
         "message=1 messagetext=" + std::string(127, 'M') + " clock=1"},
        // A damaged file is read as far as it makes sense.
        {"\x00\xFF garbage\x01\nspeed=\"55\"\r"s + std::string(70000, 'z') + "\nsound=\xFF\xFE\n",
         "speed=55 sound=0"},
    };
    for (const auto& [stored, expected] : cases) {
        SCOPED_TRACE(stored.substr(0, 60));
        ReadFrom("firstrun=1\r\n" + stored);
        const Settings read = Read();
        std::istringstream pairs(expected);
        for (std::string pair; pairs >> pair;) {
            const std::size_t equals = pair.find('=');
            EXPECT_EQ(read.at(pair.substr(0, equals)), pair.substr(equals + 1)) << pair;
        }
    }

    for (const Creature& creature : Creatures()) {
        ReadFrom("firstrun=1\n"s + creature.key + "=1\n");
        const Settings read = Read();
        EXPECT_EQ(read.at(creature.key), "1") << creature.key;
        EXPECT_EQ(std::count_if(Creatures().begin(), Creatures().end(),
                                [&](const Creature& c) { return read.at(c.key) == "1"; }),
                  1)
            << creature.key;
    }
    EXPECT_TRUE(errors_.codes().empty());
}

// A value that cannot be used falls back to its first-run value, with one
// line on standard error; the keys after it are read as usual.
TEST_F(ReadSettingsTest, AnUnusableValueFallsBackAndTheReadingGoesOn) {
    const Settings firstRun = FirstRun();
    for (const auto& [stored, key] : {std::pair{"speed=40000", "speed"},
                                      {"speed=0", "speed"},
                                      {"speed=-5", "speed"},
                                      {"speed=abc", "speed"},
                                      {"background=4", "background"},
                                      {"background=-1", "background"},
                                      {"background=1e9", "background"},
                                      {"centerpiece=8", "centerpiece"},
                                      {"sound=3", "sound"},
                                      {"sound=-1", "sound"},
                                      {"orca=1e999", "orca"},
                                      {"whale=1e999", "whale"}}) {
        SCOPED_TRACE(stored);
        // Where a key stands twice the first counts: the case, then the usual speed.
        const std::string warned =
            ReadFrom("firstrun=1\n"s + stored +
                     "\nshark=1\nspeed=60\nmessage=1\nmessagetext=hello\nclock=1\n");
        const Settings read = Read();
        EXPECT_EQ(read.at(key), firstRun.at(key));
        EXPECT_NE(warned.find(stored + " cannot be used; using "s + firstRun.at(key)),
                  std::string::npos)
            << warned;
        EXPECT_EQ(std::count(warned.begin(), warned.end(), '\n'), 1) << warned;
        EXPECT_EQ(read.at("shark"), "1");
        EXPECT_EQ(read.at("message"), "1");
        EXPECT_EQ(read.at("messagetext"), "hello");
        EXPECT_EQ(read.at("clock"), "1");
    }
    EXPECT_TRUE(errors_.codes().empty());
}

}  // namespace
}  // namespace bv
