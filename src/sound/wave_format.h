#pragma once
// Reading the sound effect's wave file image: the sample format and where its
// samples are. Every length the file states is checked against the bytes that
// are really there.

#include <optional>
#include <string_view>

namespace bv {

struct WavePcm {
    int sampleRate = 0;
    int channels = 0;       // 1 or 2
    int bitsPerSample = 0;  // 8 (unsigned) or 16 (signed, little-endian)
    // Whole frames only, lying inside the image even when the data chunk
    // claims more than the file holds.
    std::string_view samples;

    int FrameBytes() const { return channels * bitsPerSample / 8; }
};

// Nothing for an image that is not an uncompressed 8- or 16-bit mono or
// stereo RIFF/WAVE file with at least one whole frame of samples.
std::optional<WavePcm> ParseWave(std::string_view image);

}  // namespace bv
