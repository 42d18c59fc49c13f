#pragma once
// Where the General MIDI soundfont for the songs is.

#include <string>

namespace bv {

// $BLUVESSA_SOUNDFONT when it is set (even to a file that is not there), else
// the first soundfont found where the distribution's General MIDI soundfont
// packages install theirs; "" when there is none.
std::string FindSoundFont();

}  // namespace bv
