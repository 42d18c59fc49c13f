// Any bytes given as the sound effect's wave file: the reader must refuse it
// or point at whole frames inside it, and the loop must play from them.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "sound/wave_format.h"
#include "sound/wave_loop.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view image(reinterpret_cast<const char*>(data), size);
    const std::optional<bv::WavePcm> wave = bv::ParseWave(image);
    if (!wave) return 0;
    const int frame = wave->FrameBytes();
    if (frame <= 0 || wave->samples.empty() || wave->samples.size() % frame != 0) std::abort();
    if (wave->samples.data() < image.data() ||
        wave->samples.data() + wave->samples.size() > image.data() + image.size())
        std::abort();
    bv::WaveLoop loop(wave->samples, wave->bitsPerSample == 8 ? 0x80 : 0);
    std::array<unsigned char, 777> buffer{};
    for (int pull = 0; pull < 3; ++pull) loop.Pull(buffer);
    return 0;
}
