// Reads the songs back through the program's own MIDI file walk and checks
// what a listener would hear: voices that do not cut each other off,
// dynamics, a slowing ending, and no passage played over and over.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "media_files.h"
#include "sound/midi_file_check.h"
#include "test_support.h"

using namespace media_test;

namespace {

struct Note {
    std::uint32_t tick;
    bool on;
    int channel;
    int key;
    int velocity;  // of a strike
};

// Checks one song; its title goes into titles.
void checkSong(const std::string& file, std::set<std::string>& titles) {
    std::string title;
    std::set<int> channels, programs;
    std::vector<Note> notes;
    std::map<std::uint32_t, double> beatsPerMinute{{0, 120.0}};
    std::pair<std::uint32_t, int> metre{4, 2};  // numerator, power of two of the denominator
    std::uint32_t endTick = 0;
    const auto header = bv::WalkMidiFile(
        bv::test::ReadBytes((mediaDir() / file).string()), [&](const bv::MidiFileEvent& e) {
            endTick = std::max(endTick, e.tick);
            const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(e.data[i]); };
            if (e.status == 0xFF && e.metaType == 0x03 && e.track == 0) title = e.data;
            if (e.status == 0xFF && e.metaType == 0x51)
                beatsPerMinute[e.tick] = 60e6 / ((byte(0) << 16) | (byte(1) << 8) | byte(2));
            if (e.status == 0xFF && e.metaType == 0x58) metre = {byte(0), byte(1)};
            const int kind = e.status & 0xF0;
            const int channel = e.status & 0x0F;
            if (kind == 0xC0) programs.insert(byte(0));
            const bool on = kind == 0x90 && byte(1) > 0;
            if (on) channels.insert(channel);
            if (kind == 0x80 || kind == 0x90)
                notes.push_back({e.tick, on, channel, byte(0), on ? byte(1) : 0});
        });
    ASSERT_TRUE(header) << file << " is not a well-formed MIDI file";
    // The tracks merged in time; a note ending where the next begins has ended.
    std::stable_sort(notes.begin(), notes.end(), [](const Note& a, const Note& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.on < b.on;
    });
    std::vector<int> velocities;  // of the strikes, in time order
    for (const Note& n : notes)
        if (n.on) velocities.push_back(n.velocity);
    double seconds = 0;
    for (auto tempo = beatsPerMinute.begin(); tempo != beatsPerMinute.end(); ++tempo) {
        const auto next = std::next(tempo);
        const std::uint32_t until = next == beatsPerMinute.end() ? endTick : next->first;
        seconds += double(until - tempo->first) / header->ticksPerBeat * 60.0 / tempo->second;
    }

    EXPECT_EQ(header->format, 1);
    EXPECT_GE(header->trackCount, 4);
    EXPECT_GE(channels.size(), 3u) << "notes on too few channels";
    EXPECT_GE(programs.size(), 3u) << "too few instruments";
    ASSERT_GT(velocities.size(), 300u);
    EXPECT_FALSE(title.empty());
    EXPECT_LE(title.size(), 18u) << title << ": too long for the song list";
    EXPECT_GE(seconds, 90.0);
    EXPECT_LE(seconds, 210.0);

    // A note struck again on its channel while it still sounds cuts the
    // first one short: every voice has its own channel and keeps out of its
    // own way.
    std::map<std::pair<int, int>, int> sounding;
    int restruck = 0;
    for (const Note& n : notes) {
        int& count = sounding[{n.channel, n.key}];
        if (n.on) restruck += count > 0;
        count = std::max(0, count + (n.on ? 1 : -1));
    }
    EXPECT_EQ(restruck, 0);
    for (const auto& [key, count] : sounding) EXPECT_EQ(count, 0) << "a note is never released";

    // Phrases rise and fall, and the song ends softer and slower than it goes.
    EXPECT_GE(std::set<int>(velocities.begin(), velocities.end()).size(), 25u)
        << "too few loudness levels";
    const auto meanOf = [](auto from, auto to) {
        double sum = 0;
        for (auto it = from; it != to; ++it) sum += *it;
        return sum / double(to - from);
    };
    EXPECT_LT(meanOf(velocities.end() - 12, velocities.end()),
              meanOf(velocities.begin(), velocities.end()) * 0.85)
        << "the last notes are not softer";
    EXPECT_LT(beatsPerMinute.rbegin()->second, beatsPerMinute.begin()->second * 0.8)
        << "no ritardando at the end";

    // Varied repeats: no eight-bar stretch comes back note for note (all
    // parts, keys and timings) more than twice.
    const std::uint32_t ticksPerBar =
        static_cast<std::uint32_t>(header->ticksPerBeat) * 4 * metre.first >> metre.second;
    ASSERT_GT(ticksPerBar, 0u);
    std::map<std::uint32_t, std::string> bars;
    for (const Note& n : notes)
        if (n.on)
            bars[n.tick / ticksPerBar] += std::to_string(n.channel) + ':' + std::to_string(n.key) +
                                          '@' + std::to_string(n.tick % ticksPerBar) + ' ';
    std::map<std::string, int> passages;
    int most = 0;
    for (std::uint32_t first = 0; first + 8 <= bars.rbegin()->first + 1; ++first) {
        std::string passage;
        for (std::uint32_t bar = first; bar < first + 8; ++bar) passage += bars[bar] + '|';
        most = std::max(most, ++passages[passage]);
    }
    EXPECT_LE(most, 2);

    EXPECT_TRUE(titles.insert(title).second) << title << " is the title of another song too";
}

TEST(Songs, AreSixVariedPiecesInSeveralPartsThatKeepOutOfEachOthersWay) {
    std::set<std::string> titles;
    for (int number = 0; number < 6; ++number) {
        const std::string file = "bv_song" + std::to_string(number) + ".Mid";
        SCOPED_TRACE(file);
        checkSong(file, titles);
    }
}

}  // namespace
