#pragma once
// The sound effect's samples repeated without end: the audio output pulls as
// many bytes as it wants, and the end of the samples runs straight on into
// their start, so the repeat has no gap.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace bv {

class WaveLoop {
public:
    // samples: whole frames of one sample format, copied so that the loop does
    // not depend on the image it came from. silence: the byte value of a
    // silent sample (0x80 for 8-bit unsigned samples, 0 otherwise), used only
    // when there are no samples at all.
    WaveLoop(std::string_view samples, unsigned char silence);

    // Fills out completely, carrying on from where the last pull stopped.
    void Pull(std::span<unsigned char> out);

private:
    std::string samples_;
    unsigned char silence_;
    std::size_t position_ = 0;
};

}  // namespace bv
