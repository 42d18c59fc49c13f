#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace mediagen {

constexpr int kAmbienceRate = 22050;

// A few seconds of underwater ambience (deep rumble and bubble blips) that
// repeats without a seam: every sound in it is periodic in the loop length
// or wraps round its end.
std::vector<std::int16_t> ambienceSamples();

void writeAmbience(const std::filesystem::path& path);

}  // namespace mediagen
