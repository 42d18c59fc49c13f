#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace mediagen {

// Writes mono 16-bit PCM samples as a RIFF WAVE file.
void writeWav16Mono(const std::filesystem::path& path, int sampleRate,
                    const std::vector<std::int16_t>& samples);

}  // namespace mediagen
