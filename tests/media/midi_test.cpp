// Reads the songs back with a small Standard MIDI File parser of its own.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>

#include "media_files.h"

using namespace media_test;

namespace {

struct ParsedSong {
    int format = -1;
    int division = 0;
    int trackCount = 0;
    std::set<int> noteChannels;
    std::set<int> programs;
    int noteOns = 0;
    int unmatchedNotes = 0;
    double seconds = 0;
};

class Reader {
public:
    explicit Reader(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
    std::uint32_t u8() {
        if (pos_ >= bytes_.size()) throw std::runtime_error("read past the end");
        return bytes_[pos_++];
    }
    std::uint32_t be(int n) {
        std::uint32_t v = 0;
        for (int i = 0; i < n; ++i) v = (v << 8) | u8();
        return v;
    }
    std::uint32_t vlq() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint32_t b = u8();
            v = (v << 7) | (b & 0x7F);
            if (!(b & 0x80)) return v;
        }
        throw std::runtime_error("variable-length quantity too long");
    }
    std::string tag() { return {char(u8()), char(u8()), char(u8()), char(u8())}; }
    void skip(std::size_t n) { pos_ += n; }
    std::size_t pos() const { return pos_; }

private:
    const std::vector<std::uint8_t>& bytes_;
    std::size_t pos_ = 0;
};

ParsedSong parse(const std::vector<std::uint8_t>& bytes) {
    ParsedSong song;
    Reader r(bytes);
    if (r.tag() != "MThd" || r.be(4) != 6) throw std::runtime_error("no MThd header");
    song.format = static_cast<int>(r.be(2));
    song.trackCount = static_cast<int>(r.be(2));
    song.division = static_cast<int>(r.be(2));
    std::map<std::uint32_t, std::uint32_t> tempoAt{{0, 500000}};
    std::uint32_t lastTick = 0;
    for (int t = 0; t < song.trackCount; ++t) {
        if (r.tag() != "MTrk") throw std::runtime_error("no MTrk chunk");
        const std::size_t end = r.be(4) + r.pos();
        std::uint32_t tick = 0;
        int status = 0;
        bool ended = false;
        std::map<int, int> sounding;
        while (r.pos() < end) {
            tick += r.vlq();
            int b = static_cast<int>(r.u8());
            if (b == 0xFF) {
                const int type = static_cast<int>(r.u8());
                const std::uint32_t length = r.vlq();
                if (type == 0x51) {
                    tempoAt[tick] = r.be(3);
                } else {
                    r.skip(length);
                }
                if (type == 0x2F) ended = true;
                continue;
            }
            if (b == 0xF0 || b == 0xF7) {
                r.skip(r.vlq());
                continue;
            }
            int data1;
            if (b & 0x80) {
                status = b;
                data1 = static_cast<int>(r.u8());
            } else {
                data1 = b;  // running status
            }
            const int kind = status & 0xF0;
            const int channel = status & 0x0F;
            const int data2 = (kind == 0xC0 || kind == 0xD0) ? 0 : static_cast<int>(r.u8());
            if (kind == 0x90 && data2 > 0) {
                ++song.noteOns;
                song.noteChannels.insert(channel);
                ++sounding[channel * 128 + data1];
            } else if (kind == 0x80 || (kind == 0x90 && data2 == 0)) {
                --sounding[channel * 128 + data1];
            } else if (kind == 0xC0) {
                song.programs.insert(data1);
            }
        }
        if (!ended) throw std::runtime_error("track without End of Track");
        for (const auto& [key, count] : sounding) song.unmatchedNotes += count != 0;
        lastTick = std::max(lastTick, tick);
    }
    // Length in seconds through the tempo map.
    std::uint32_t tick = 0;
    std::uint32_t tempo = 500000;
    for (auto it = tempoAt.begin(); it != tempoAt.end() && it->first < lastTick; ++it) {
        song.seconds += double(it->first - tick) * tempo / 1e6 / song.division;
        tick = it->first;
        tempo = it->second;
    }
    song.seconds += double(lastTick - tick) * tempo / 1e6 / song.division;
    return song;
}

class Song : public ::testing::TestWithParam<int> {};

TEST_P(Song, IsAPlayableMultiPartStandardMidiFile) {
    const auto path = mediaDir() / ("bv_song" + std::to_string(GetParam()) + ".Mid");
    const auto bytes = readBytes(path);
    ASSERT_FALSE(bytes.empty()) << path;
    ParsedSong song;
    ASSERT_NO_THROW(song = parse(bytes)) << path;
    EXPECT_EQ(song.format, 1);
    EXPECT_GE(song.trackCount, 4);
    EXPECT_GE(song.noteChannels.size(), 3u) << "notes on too few channels";
    EXPECT_GE(song.programs.size(), 3u) << "too few instruments";
    EXPECT_GT(song.noteOns, 100);
    EXPECT_EQ(song.unmatchedNotes, 0) << "every note-on needs its note-off";
    EXPECT_GE(song.seconds, 60.0);
    EXPECT_LE(song.seconds, 180.0);
}

INSTANTIATE_TEST_SUITE_P(Pack, Song, ::testing::Range(0, 6));

TEST(Songs, AreSixDifferentPieces) {
    std::set<std::vector<std::uint8_t>> distinct;
    for (int n = 0; n < 6; ++n)
        distinct.insert(readBytes(mediaDir() / ("bv_song" + std::to_string(n) + ".Mid")));
    EXPECT_EQ(distinct.size(), 6u);
}

}  // namespace
