#include "sound/midi_song_file.h"

#include <cstdint>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/case_insensitive_path.h"
#include "platform/whole_file.h"
#include "sound/midi_file_check.h"
#include "sound/sound_libraries.h"

namespace bv {
namespace {
// Songs are a few kilobytes; anything this large is not one.
constexpr std::uintmax_t kLargestSong = 16u << 20;
}  // namespace

MediaError ReadMidiSong(const std::string& path, std::string& song) {
    const std::string resolved = ResolveCaseInsensitive(path);
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(resolved, error);
    if (error) return kMediaFileNotFound;
    if (size > kLargestSong) return kMediaInvalidFile;

    WholeFileRead file = ReadWholeFile(resolved);
    if (file.status != WholeFileRead::Status::kRead) return kMediaFileNotFound;
    // Without the synthesizer's library no song plays; the file's own
    // structure still tells a song from anything else.
    const FluidSynthFunctions* fluid = FluidSynthLibrary();
    if ((fluid != nullptr && !fluid->fluid_is_midifile(resolved.c_str())) ||
        !IsWellFormedMidi(file.bytes))
        return kMediaInvalidFile;
    song = std::move(file.bytes);
    return kMediaOk;
}

}  // namespace bv
