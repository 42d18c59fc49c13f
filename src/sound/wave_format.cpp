#include "sound/wave_format.h"

#include <algorithm>
#include <cstdint>

namespace bv {
namespace {

constexpr std::uint16_t kPcmFormat = 1;
constexpr int kSlowestRate = 1000;
constexpr int kFastestRate = 384000;

std::uint32_t LittleEndian(std::string_view bytes, std::size_t at, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

struct FormatChunk {
    std::uint16_t tag = 0;
    int channels = 0;
    std::uint32_t rate = 0;
    int bits = 0;
};

bool Supported(const FormatChunk& format) {
    return format.tag == kPcmFormat && (format.channels == 1 || format.channels == 2) &&
           (format.bits == 8 || format.bits == 16) && format.rate >= kSlowestRate &&
           format.rate <= kFastestRate;
}

}  // namespace

std::optional<WavePcm> ParseWave(std::string_view image) {
    if (image.size() < 12 || image.substr(0, 4) != "RIFF" || image.substr(8, 4) != "WAVE")
        return std::nullopt;

    std::optional<FormatChunk> format;
    std::optional<std::string_view> data;
    // The RIFF size is not trusted: the chunks are walked up to the real end.
    std::uint64_t at = 12;
    while (at + 8 <= image.size()) {
        const std::string_view id = image.substr(at, 4);
        const std::uint64_t declared = LittleEndian(image, at + 4, 4);
        const std::uint64_t body = at + 8;
        const std::uint64_t present = std::min<std::uint64_t>(declared, image.size() - body);
        if (id == "fmt " && !format && present >= 16) {
            format = FormatChunk{static_cast<std::uint16_t>(LittleEndian(image, body, 2)),
                                 static_cast<int>(LittleEndian(image, body + 2, 2)),
                                 LittleEndian(image, body + 4, 4),
                                 static_cast<int>(LittleEndian(image, body + 14, 2))};
        } else if (id == "data" && !data) {
            data = image.substr(body, present);
        }
        at = body + declared + (declared & 1);  // chunks are padded to even sizes
    }
    if (!format || !data || !Supported(*format)) return std::nullopt;

    WavePcm pcm{static_cast<int>(format->rate), format->channels, format->bits, {}};
    const std::size_t wholeFrames = data->size() / pcm.FrameBytes();
    if (wholeFrames == 0) return std::nullopt;
    pcm.samples = data->substr(0, wholeFrames * pcm.FrameBytes());
    return pcm;
}

}  // namespace bv
