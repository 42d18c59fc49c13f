#pragma once
// Reading a song file for the sequencer.

#include <string>

#include "sound/media_error.h"

namespace bv {

// Reads the MIDI file at path (its name matched without regard to case) into
// song. A file that is not there or cannot be read gives kMediaFileNotFound;
// one that is not a sound standard MIDI file, or is implausibly large for a
// song, gives kMediaInvalidFile.
MediaError ReadMidiSong(const std::string& path, std::string& song);

}  // namespace bv
