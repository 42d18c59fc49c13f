#include "sound/soundfont_search.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace bv {

std::string FindSoundFont() {
    if (const char* chosen = std::getenv("BLUVESSA_SOUNDFONT")) return chosen;

    // TimGM6mb is small and complete; the others are what a desktop may have
    // instead of it.
    static constexpr std::array kCandidates = {
        "/usr/share/sounds/sf2/TimGM6mb.sf2",   "/usr/share/soundfonts/TimGM6mb.sf2",
        "/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/soundfonts/default.sf2",
        "/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/soundfonts/FluidR3_GM.sf2",
    };
    for (const char* candidate : kCandidates) {
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error)) return candidate;
    }
    return {};
}

}  // namespace bv
