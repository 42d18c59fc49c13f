#include "sound/midi_file_check.h"

#include <gtest/gtest.h>

#include "sound_test_support.h"

namespace bv {
namespace {

using test::TinySong;

// A format 0 file of one track holding events, 480 ticks a beat.
std::string WithTrack(const std::string& events) {
    std::string file("MThd\0\0\0\6\0\0\0\1\1\xE0MTrk\0\0\0", 21);
    file.push_back(static_cast<char>(events.size()));
    return file + events;
}

// A whole song is accepted, with chunks of other kinds passed over; every
// truncation of it is refused.
TEST(MidiFileCheck, AcceptsAWholeSongOnly) {
    const std::string song = TinySong(100);
    EXPECT_TRUE(IsWellFormedMidi(song));
    EXPECT_TRUE(
        IsWellFormedMidi(song.substr(0, 14) + std::string("XTRA\0\0\0\2ab", 10) + song.substr(14)));
    for (std::size_t length = 0; length < song.size(); ++length)
        EXPECT_FALSE(IsWellFormedMidi(song.substr(0, length))) << length << " bytes";
}

TEST(MidiFileCheck, RefusesDamagedHeaders) {
    const std::string song = TinySong(100);
    auto changed = [&](std::size_t at, char value) {
        std::string copy = song;
        copy[at] = value;
        return copy;
    };
    EXPECT_FALSE(IsWellFormedMidi(changed(0, 'X'))) << "not MThd";
    EXPECT_FALSE(IsWellFormedMidi(changed(7, 5))) << "header shorter than 6";
    EXPECT_FALSE(IsWellFormedMidi(changed(9, 3))) << "format 3";
    EXPECT_FALSE(IsWellFormedMidi(changed(11, 0))) << "no tracks";
    EXPECT_FALSE(IsWellFormedMidi(changed(11, 2))) << "a track promised but missing";
    EXPECT_FALSE(IsWellFormedMidi(changed(12, '\xE7'))) << "SMPTE timing";
    EXPECT_FALSE(IsWellFormedMidi(changed(17, 'x'))) << "track chunk with a bad name";
    EXPECT_FALSE(IsWellFormedMidi(changed(21, 0x7F))) << "track longer than the file";
}

TEST(MidiFileCheck, RefusesEventsThatRunPastTheirTrack) {
    const std::string endOfTrack("\x00\xFF\x2F\x00", 4);
    EXPECT_TRUE(IsWellFormedMidi(WithTrack(std::string("\x00\x90\x3C\x64", 4) + endOfTrack)));
    EXPECT_TRUE(IsWellFormedMidi(WithTrack(std::string("\x00\x90\x3C\x64\x10\x3C\x00", 7))))
        << "running status, no end-of-track event";

    EXPECT_FALSE(IsWellFormedMidi(WithTrack(std::string("\x00\x3C\x64", 3))))
        << "data byte with no status before it";
    EXPECT_FALSE(IsWellFormedMidi(WithTrack(std::string("\x00\x90\x3C", 3)))) << "note cut short";
    EXPECT_FALSE(IsWellFormedMidi(WithTrack(std::string("\x00\xFF\x01\x20text", 8))))
        << "meta event longer than its track";
    EXPECT_FALSE(IsWellFormedMidi(WithTrack(std::string("\x00\xF0\x7F\x01", 4))))
        << "system-exclusive event longer than its track";
    EXPECT_FALSE(IsWellFormedMidi(WithTrack(std::string("\x00\xFF\x51\x02\x07\xA1", 6))))
        << "tempo of two bytes";
    EXPECT_FALSE(IsWellFormedMidi(WithTrack(std::string("\x81\x81\x81\x81\x01\x90\x3C\x64", 8))))
        << "delta time of five bytes";
    EXPECT_FALSE(IsWellFormedMidi(WithTrack(std::string("\x00\xF8", 2))))
        << "real-time message in a file";
}

TEST(MidiFileCheck, WalksEveryEventWithItsTickAndStatus) {
    struct Seen {
        std::uint32_t tick;
        int status;
        int metaType;
        std::string data;
        bool operator==(const Seen&) const = default;
    };
    std::vector<Seen> seen;
    const auto header =
        WalkMidiFile(WithTrack(std::string("\x00\xFF\x03\x02Hi\x00\x90\x3C\x64"
                                           "\x81\x00\x3C\x00\x10\xFF\x2F\x00",
                                           18)),
                     [&](const MidiFileEvent& e) {
                         EXPECT_EQ(e.track, 0);
                         seen.push_back({e.tick, e.status, e.metaType, std::string(e.data)});
                     });
    ASSERT_TRUE(header);
    EXPECT_EQ(header->format, 0);
    EXPECT_EQ(header->trackCount, 1);
    EXPECT_EQ(header->ticksPerBeat, 480);
    const std::vector<Seen> expected{{0, 0xFF, 0x03, "Hi"},
                                     {0, 0x90, 0, "\x3C\x64"},
                                     {128, 0x90, 0, std::string("\x3C\0", 2)},  // running status
                                     {144, 0xFF, 0x2F, ""}};
    EXPECT_EQ(seen, expected);
}

}  // namespace
}  // namespace bv
