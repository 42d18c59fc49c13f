// Any bytes given as a song file: the check must answer without reading past them.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "sound/midi_file_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    volatile bool wellFormed =
        bv::IsWellFormedMidi(std::string_view(reinterpret_cast<const char*>(data), size));
    (void)wellFormed;
    return 0;
}
