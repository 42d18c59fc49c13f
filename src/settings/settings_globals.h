#pragma once
// The folders and the user's settings, read once at start-up.

#include <array>
#include <string>

#include "platform/checked_arithmetic.h"

namespace bv {

inline std::string WindowsDir;  // always ends in "/"
inline std::string AssetDir;    // WindowsDir + "Zentrova/Bluvessa/"

inline Integer Speed = 0;  // frame interval in milliseconds
inline Integer ShowMessage = kFalse;
inline std::string MessageText;
inline Integer SoundMode = 0;  // 0 none, 1 music, 2 sound effect
inline std::array<Integer, 6> SongEnabled{};
inline Integer ShowClock = kFalse;

}  // namespace bv
