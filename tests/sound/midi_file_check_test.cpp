#include "sound/midi_file_check.h"

#include <gtest/gtest.h>

#include "test_media.h"

namespace bv {
namespace {

using test::TinySong;

TEST(MidiFileCheck, AcceptsACompleteSong) {
    EXPECT_TRUE(IsWellFormedMidi(TinySong(100)));
}

TEST(MidiFileCheck, RefusesEveryTruncationOfASong) {
    const std::string song = TinySong(100);
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
    auto withTrack = [](const std::string& events) {
        std::string file("MThd\0\0\0\6\0\0\0\1\1\xE0MTrk\0\0\0", 21);
        file.push_back(static_cast<char>(events.size()));
        return file + events;
    };
    const std::string endOfTrack("\x00\xFF\x2F\x00", 4);
    EXPECT_TRUE(IsWellFormedMidi(withTrack(std::string("\x00\x90\x3C\x64", 4) + endOfTrack)));
    EXPECT_TRUE(IsWellFormedMidi(withTrack(std::string("\x00\x90\x3C\x64\x10\x3C\x00", 7))))
        << "running status, no end-of-track event";

    EXPECT_FALSE(IsWellFormedMidi(withTrack(std::string("\x00\x3C\x64", 3))))
        << "data byte with no status before it";
    EXPECT_FALSE(IsWellFormedMidi(withTrack(std::string("\x00\x90\x3C", 3)))) << "note cut short";
    EXPECT_FALSE(IsWellFormedMidi(withTrack(std::string("\x00\xFF\x01\x20text", 8))))
        << "meta event longer than its track";
    EXPECT_FALSE(IsWellFormedMidi(withTrack(std::string("\x00\xF0\x7F\x01", 4))))
        << "system-exclusive event longer than its track";
    EXPECT_FALSE(IsWellFormedMidi(withTrack(std::string("\x00\xFF\x51\x02\x07\xA1", 6))))
        << "tempo of two bytes";
    EXPECT_FALSE(IsWellFormedMidi(withTrack(std::string("\x81\x81\x81\x81\x01\x90\x3C\x64", 8))))
        << "delta time of five bytes";
    EXPECT_FALSE(IsWellFormedMidi(withTrack(std::string("\x00\xF8", 2))))
        << "real-time message in a file";
}

TEST(MidiFileCheck, PassesOverChunksOfOtherKinds) {
    const std::string song = TinySong(100);
    std::string withExtra =
        song.substr(0, 14) + std::string("XTRA\0\0\0\2ab", 10) + song.substr(14);
    EXPECT_TRUE(IsWellFormedMidi(withExtra));
}

}  // namespace
}  // namespace bv
