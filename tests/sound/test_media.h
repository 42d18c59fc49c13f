#pragma once
// Song and wave files made by the tests themselves.

#include <cstdint>
#include <optional>
#include <string>

namespace bv::test {

// A one-track MIDI file (120 beats a minute, 480 ticks a beat): a piano
// program change and one note of key held for noteMs milliseconds.
std::string TinySong(int noteMs, int key = 60);

struct WaveSpec {
    int sampleRate = 8000;
    int channels = 1;
    int bitsPerSample = 16;
    int formatTag = 1;  // PCM
    std::string samples;
    // The data chunk's size as the header states it; the real size when unset.
    std::optional<std::uint32_t> declaredDataSize;
};

// A RIFF/WAVE image: "fmt " chunk, a "LIST" chunk to pass over, then "data".
std::string WaveImage(const WaveSpec& spec);

// Distinct 16-bit sample values, little-endian, so that any gap or repeat in
// a copy shows.
std::string RampSamples16(int count);

}  // namespace bv::test
