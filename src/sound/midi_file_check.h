#pragma once
// A check of a song file's bytes before the synthesizer sees them, so that a
// damaged or empty file is refused instead of being half read.

#include <string_view>

namespace bv {

// Whether bytes are a standard MIDI file: a header chunk with format 0, 1 or
// 2, at least one track and metrical timing, followed by as many track chunks
// as the header promises, each lying wholly inside the data and made of
// complete events (delta times, running status, channel messages, meta and
// system-exclusive events with their lengths).
bool IsWellFormedMidi(std::string_view bytes);

}  // namespace bv
