#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace mediagen {

// One track of a Standard MIDI File, collected as timed events and encoded
// with delta times on demand.
class MidiTrack {
public:
    void name(const std::string& text);
    void tempo(std::uint32_t tick, double beatsPerMinute);
    void timeSignature(std::uint32_t tick, int numerator, int denominatorPower);
    void program(std::uint32_t tick, int channel, int program);
    void controller(std::uint32_t tick, int channel, int number, int value);
    void note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity);
    // The track lasts at least until `tick`, even when its last event comes sooner.
    void endAt(std::uint32_t tick) { endTick_ = tick; }

    // The track chunk's body, events in time order (note-offs before
    // note-ons at the same tick), closed by End of Track.
    std::vector<std::uint8_t> encode() const;

private:
    struct Event {
        std::uint32_t tick;
        int rank;  // orders events that share a tick
        std::size_t sequence;
        std::vector<std::uint8_t> bytes;
    };
    void add(std::uint32_t tick, int rank, std::vector<std::uint8_t> bytes);
    std::vector<Event> events_;
    std::uint32_t endTick_ = 0;
};

// Writes a format 1 file with `ticksPerBeat` ticks per quarter note.
void writeMidiFile(const std::filesystem::path& path, int ticksPerBeat,
                   const std::vector<MidiTrack>& tracks);

// Variable-length quantity as MIDI writes delta times.
std::vector<std::uint8_t> variableLength(std::uint32_t value);

}  // namespace mediagen
