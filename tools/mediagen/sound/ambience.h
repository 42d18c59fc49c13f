#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace mediagen {

constexpr int kAmbienceRate = 22050;

// Half a minute and more of underwater ambience (deep rumble, a faint hiss
// and strings of rising bubbles) that repeats without a seam: the noise's
// end is faded into its start, the swell has whole cycles per loop and a
// bubble running past the end carries on at the start. The bubbles fall at
// seeded pseudo-random places, so the loop holds no shorter cycle.
std::vector<std::int16_t> ambienceSamples();

void writeAmbience(const std::filesystem::path& path);

}  // namespace mediagen
