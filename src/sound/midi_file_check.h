#pragma once
// A check of a song file's bytes before the synthesizer sees them, so that a
// damaged or empty file is refused instead of being half read, and the walk
// through its events that the check makes.

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace bv {

struct MidiFileHeader {
    int format = 0;
    int trackCount = 0;
    int ticksPerBeat = 0;
};

// One event of a track as it stands in the file.
struct MidiFileEvent {
    int track = 0;           // counted from 0 in file order
    std::uint32_t tick = 0;  // from the start of the track
    // The status byte: a channel message's own (running status filled in),
    // 0xFF for a meta event, 0xF0 or 0xF7 for system-exclusive data.
    std::uint8_t status = 0;
    std::uint8_t metaType = 0;  // meta events only
    // A channel message's data bytes, or a meta or system-exclusive event's
    // contents after its length.
    std::string_view data;
};

// Walks a standard MIDI file: a header chunk with format 0, 1 or 2, at least
// one track and metrical timing, followed by as many track chunks as the
// header promises (chunks of other kinds are passed over), each lying wholly
// inside the data and made of complete events (delta times, running status,
// channel messages, meta and system-exclusive events with their lengths).
// Every event is handed to visit, when given, in file order as it is read.
// Nothing when the bytes are not such a file; events read before the fault
// was found have been visited by then.
std::optional<MidiFileHeader> WalkMidiFile(
    std::string_view bytes, const std::function<void(const MidiFileEvent&)>& visit = {});

// Whether WalkMidiFile accepts the bytes.
bool IsWellFormedMidi(std::string_view bytes);

}  // namespace bv
