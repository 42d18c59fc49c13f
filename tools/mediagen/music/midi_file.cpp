#include "midi_file.h"

#include <algorithm>
#include <cmath>

#include "byte_writer.h"

namespace mediagen {

std::vector<std::uint8_t> variableLength(std::uint32_t value) {
    std::vector<std::uint8_t> out{static_cast<std::uint8_t>(value & 0x7F)};
    while ((value >>= 7) != 0)
        out.insert(out.begin(), static_cast<std::uint8_t>(0x80 | (value & 0x7F)));
    return out;
}

void MidiTrack::add(std::uint32_t tick, int rank, std::vector<std::uint8_t> bytes) {
    events_.push_back(Event{tick, rank, events_.size(), std::move(bytes)});
}

void MidiTrack::name(const std::string& text) {
    std::vector<std::uint8_t> bytes{0xFF, 0x03};
    const auto length = variableLength(static_cast<std::uint32_t>(text.size()));
    bytes.insert(bytes.end(), length.begin(), length.end());
    bytes.insert(bytes.end(), text.begin(), text.end());
    add(0, 0, std::move(bytes));
}

void MidiTrack::tempo(std::uint32_t tick, double beatsPerMinute) {
    const auto micros = static_cast<std::uint32_t>(std::lround(60'000'000.0 / beatsPerMinute));
    add(tick, 0,
        {0xFF, 0x51, 0x03, static_cast<std::uint8_t>(micros >> 16),
         static_cast<std::uint8_t>(micros >> 8), static_cast<std::uint8_t>(micros)});
}

void MidiTrack::timeSignature(std::uint32_t tick, int numerator, int denominatorPower) {
    add(tick, 0,
        {0xFF, 0x58, 0x04, static_cast<std::uint8_t>(numerator),
         static_cast<std::uint8_t>(denominatorPower), 24, 8});
}

void MidiTrack::program(std::uint32_t tick, int channel, int program) {
    add(tick, 1, {static_cast<std::uint8_t>(0xC0 | channel), static_cast<std::uint8_t>(program)});
}

void MidiTrack::controller(std::uint32_t tick, int channel, int number, int value) {
    add(tick, 1,
        {static_cast<std::uint8_t>(0xB0 | channel), static_cast<std::uint8_t>(number),
         static_cast<std::uint8_t>(value)});
}

void MidiTrack::note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity) {
    const auto k = static_cast<std::uint8_t>(std::clamp(key, 0, 127));
    add(tick, 3,
        {static_cast<std::uint8_t>(0x90 | channel), k,
         static_cast<std::uint8_t>(std::clamp(velocity, 1, 127))});
    add(tick + std::max<std::uint32_t>(length, 1), 2,
        {static_cast<std::uint8_t>(0x80 | channel), k, 0});
}

std::vector<std::uint8_t> MidiTrack::encode() const {
    std::vector<Event> sorted = events_;
    std::sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
        if (a.tick != b.tick) return a.tick < b.tick;
        if (a.rank != b.rank) return a.rank < b.rank;
        return a.sequence < b.sequence;
    });
    std::vector<std::uint8_t> out;
    std::uint32_t now = 0;
    for (const Event& event : sorted) {
        const auto delta = variableLength(event.tick - now);
        out.insert(out.end(), delta.begin(), delta.end());
        out.insert(out.end(), event.bytes.begin(), event.bytes.end());
        now = event.tick;
    }
    const auto delta = variableLength(std::max(endTick_, now) - now);
    out.insert(out.end(), delta.begin(), delta.end());
    out.insert(out.end(), {0xFF, 0x2F, 0x00});
    return out;
}

void writeMidiFile(const std::filesystem::path& path, int ticksPerBeat,
                   const std::vector<MidiTrack>& tracks) {
    ByteWriter out;
    out.bytes("MThd");
    out.u32be(6);
    out.u16be(1);
    out.u16be(static_cast<std::uint16_t>(tracks.size()));
    out.u16be(static_cast<std::uint16_t>(ticksPerBeat));
    for (const MidiTrack& track : tracks) {
        const auto body = track.encode();
        out.bytes("MTrk");
        out.u32be(static_cast<std::uint32_t>(body.size()));
        out.append(body);
    }
    out.saveTo(path);
}

}  // namespace mediagen
