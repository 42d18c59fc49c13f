#pragma once
// The music's and the sound effect's state for the whole run.

#include <string>

#include "platform/checked_arithmetic.h"

namespace bv {

// Number (0 to 5) of the song now playing; the loop counter while the songs
// are opened.
inline Integer SongIndex = 0;
// Reply text and result (0 for success) of the last media-control command.
inline std::string MciReply;
inline Long MciResult = 0;
// The sound-effect file's bytes, kept for the whole run.
inline std::string SoundData;

inline void ResetSoundState() {
    SongIndex = 0;
    MciReply.clear();
    MciResult = 0;
    SoundData.clear();
}

}  // namespace bv
