// Reads the songs back through the program's own MIDI file walk and checks
// what a listener would hear: voices that do not cut each other off,
// dynamics, a slowing ending, and no passage played over and over.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string_view>

#include "media_files.h"
#include "sound/midi_file_check.h"
#include "test_support.h"

using namespace media_test;

namespace {

struct NoteEvent {
    std::uint32_t tick;
    bool on;
    int channel;
    int key;
    int velocity;  // of a strike
};

struct SongFacts {
    bv::MidiFileHeader header;
    std::string title;
    std::set<int> noteChannels;
    std::set<int> programs;
    std::vector<NoteEvent> notes;  // in time order, releases before strikes
    std::vector<int> velocities;   // of the strikes, in time order
    std::map<std::uint32_t, double> beatsPerMinute{{0, 120.0}};
    std::uint32_t ticksPerBar = 0;
    std::uint32_t endTick = 0;
};

std::string songBytes(int number) {
    return bv::test::ReadBytes(
        (mediaDir() / ("bv_song" + std::to_string(number) + ".Mid")).string());
}

SongFacts readSong(int number) {
    const std::string bytes = songBytes(number);
    SongFacts song;
    std::pair<std::uint32_t, int> metre{4, 2};  // numerator, power of two of the denominator
    const auto header = bv::WalkMidiFile(bytes, [&](const bv::MidiFileEvent& e) {
        song.endTick = std::max(song.endTick, e.tick);
        const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(e.data[i]); };
        if (e.status == 0xFF && e.metaType == 0x03 && e.track == 0) song.title = e.data;
        if (e.status == 0xFF && e.metaType == 0x51)
            song.beatsPerMinute[e.tick] = 60e6 / ((byte(0) << 16) | (byte(1) << 8) | byte(2));
        if (e.status == 0xFF && e.metaType == 0x58) metre = {byte(0), byte(1)};
        const int kind = e.status & 0xF0;
        const int channel = e.status & 0x0F;
        if (kind == 0xC0) song.programs.insert(byte(0));
        if (kind == 0x90 && byte(1) > 0) {
            song.noteChannels.insert(channel);
            song.notes.push_back({e.tick, true, channel, byte(0), byte(1)});
        } else if (kind == 0x80 || kind == 0x90) {
            song.notes.push_back({e.tick, false, channel, byte(0), 0});
        }
    });
    EXPECT_TRUE(header) << "bv_song" << number << ".Mid is not a well-formed MIDI file";
    if (!header) return song;
    song.header = *header;
    song.ticksPerBar =
        static_cast<std::uint32_t>(header->ticksPerBeat) * 4 * metre.first >> metre.second;
    // The tracks merged in time; a note ending where the next begins has ended.
    std::stable_sort(song.notes.begin(), song.notes.end(), [](const auto& a, const auto& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.on < b.on;
    });
    for (const NoteEvent& n : song.notes)
        if (n.on) song.velocities.push_back(n.velocity);
    return song;
}

double seconds(const SongFacts& song) {
    double total = 0;
    auto tempo = song.beatsPerMinute.begin();
    for (auto next = std::next(tempo); tempo != song.beatsPerMinute.end(); tempo = next++) {
        const std::uint32_t until = next == song.beatsPerMinute.end() ? song.endTick : next->first;
        total += double(until - tempo->first) / song.header.ticksPerBeat * 60.0 / tempo->second;
    }
    return total;
}

class Song : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { song_ = readSong(GetParam()); }
    SongFacts song_;
};

TEST_P(Song, IsAPlayableMultiPartStandardMidiFile) {
    EXPECT_EQ(song_.header.format, 1);
    EXPECT_GE(song_.header.trackCount, 4);
    EXPECT_GE(song_.noteChannels.size(), 3u) << "notes on too few channels";
    EXPECT_GE(song_.programs.size(), 3u) << "too few instruments";
    EXPECT_GT(song_.velocities.size(), 300u);
    EXPECT_FALSE(song_.title.empty());
    EXPECT_LE(song_.title.size(), 18u) << song_.title << ": too long for the song list";
    EXPECT_GE(seconds(song_), 90.0);
    EXPECT_LE(seconds(song_), 210.0);
}

// A note struck again on its channel while it still sounds cuts the first
// one short: every voice has its own channel and keeps out of its own way.
TEST_P(Song, NoNoteStartsOnAKeyStillSoundingOnItsChannel) {
    std::map<std::pair<int, int>, int> sounding;
    int restruck = 0;
    for (const NoteEvent& n : song_.notes) {
        int& count = sounding[{n.channel, n.key}];
        if (n.on) restruck += count > 0;
        count = std::max(0, count + (n.on ? 1 : -1));
    }
    EXPECT_EQ(restruck, 0);
    for (const auto& [key, count] : sounding) EXPECT_EQ(count, 0) << "a note is never released";
}

// Phrases rise and fall, and the song ends softer and slower than it goes.
TEST_P(Song, HasDynamicsAndASlowingSofterEnding) {
    const auto& v = song_.velocities;
    ASSERT_FALSE(v.empty());
    EXPECT_GE(std::set<int>(v.begin(), v.end()).size(), 25u) << "too few loudness levels";
    const auto meanOf = [](auto from, auto to) {
        double sum = 0;
        for (auto it = from; it != to; ++it) sum += *it;
        return sum / double(to - from);
    };
    const double whole = meanOf(v.begin(), v.end());
    const double lastNotes = meanOf(v.end() - 12, v.end());
    EXPECT_LT(lastNotes, whole * 0.85) << "the last notes are not softer";
    EXPECT_LT(song_.beatsPerMinute.rbegin()->second, song_.beatsPerMinute.begin()->second * 0.8)
        << "no ritardando at the end";
}

// Varied repeats: no eight-bar stretch comes back note for note (all parts,
// keys and timings) more than twice.
TEST_P(Song, NoEightBarPassageIsPlayedMoreThanTwice) {
    ASSERT_GT(song_.ticksPerBar, 0u);
    std::map<std::uint32_t, std::string> bars;
    for (const NoteEvent& n : song_.notes)
        if (n.on)
            bars[n.tick / song_.ticksPerBar] += std::to_string(n.channel) + ':' +
                                                std::to_string(n.key) + '@' +
                                                std::to_string(n.tick % song_.ticksPerBar) + ' ';
    const std::uint32_t lastBar = bars.empty() ? 0 : bars.rbegin()->first;
    std::map<std::string, int> passages;
    int most = 0;
    for (std::uint32_t first = 0; first + 8 <= lastBar + 1; ++first) {
        std::string passage;
        for (std::uint32_t bar = first; bar < first + 8; ++bar) passage += bars[bar] + '|';
        most = std::max(most, ++passages[passage]);
    }
    EXPECT_LE(most, 2);
}

INSTANTIATE_TEST_SUITE_P(Pack, Song, ::testing::Range(0, 6));

TEST(Songs, AreSixDifferentPiecesWithTheirOwnTitles) {
    std::set<std::string> distinct;
    std::set<std::string> titles;
    for (int n = 0; n < 6; ++n) {
        distinct.insert(songBytes(n));
        titles.insert(readSong(n).title);
    }
    EXPECT_EQ(distinct.size(), 6u);
    EXPECT_EQ(titles.size(), 6u);
}

}  // namespace
