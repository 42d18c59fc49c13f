#include "sound/wave_loop.h"

#include <algorithm>
#include <cstring>

namespace bv {

WaveLoop::WaveLoop(std::string_view samples, unsigned char silence)
    : samples_(samples), silence_(silence) {}

void WaveLoop::Pull(std::span<unsigned char> out) {
    if (samples_.empty()) {
        std::fill(out.begin(), out.end(), silence_);
        return;
    }
    std::size_t filled = 0;
    while (filled < out.size()) {
        const std::size_t run = std::min(out.size() - filled, samples_.size() - position_);
        std::memcpy(out.data() + filled, samples_.data() + position_, run);
        filled += run;
        position_ += run;
        if (position_ == samples_.size()) position_ = 0;
    }
}

}  // namespace bv
