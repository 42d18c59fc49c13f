#include "test_media.h"

#include <vector>

namespace bv::test {
namespace {

void AppendBigEndian(std::string& out, std::uint32_t value, int width) {
    for (int shift = (width - 1) * 8; shift >= 0; shift -= 8)
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

void AppendLittleEndian(std::string& out, std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void AppendVariableLength(std::string& out, std::uint32_t value) {
    std::vector<char> groups{static_cast<char>(value & 0x7F)};
    while (value >>= 7) groups.insert(groups.begin(), static_cast<char>(0x80 | (value & 0x7F)));
    out.append(groups.begin(), groups.end());
}

void AppendChunk(std::string& out, std::string_view id, const std::string& body) {
    out += id;
    AppendLittleEndian(out, static_cast<std::uint32_t>(body.size()), 4);
    out += body;
    if (body.size() % 2) out.push_back('\0');
}

}  // namespace

std::string TinySong(int noteMs, int key) {
    constexpr int kTicksPerBeat = 480;
    constexpr int kMsPerBeat = 500;  // the default tempo of 120 beats a minute
    std::string track;
    track += std::string("\x00\xC0\x00", 3);  // piano
    track += std::string("\x00\x90", 2);
    track.push_back(static_cast<char>(key));
    track.push_back(100);
    AppendVariableLength(track, static_cast<std::uint32_t>(noteMs * kTicksPerBeat / kMsPerBeat));
    track.push_back(static_cast<char>(0x80));
    track.push_back(static_cast<char>(key));
    track.push_back(0);
    track += std::string("\x00\xFF\x2F\x00", 4);  // end of track

    std::string file = "MThd";
    AppendBigEndian(file, 6, 4);
    AppendBigEndian(file, 0, 2);  // format 0
    AppendBigEndian(file, 1, 2);  // one track
    AppendBigEndian(file, kTicksPerBeat, 2);
    file += "MTrk";
    AppendBigEndian(file, static_cast<std::uint32_t>(track.size()), 4);
    return file + track;
}

std::string WaveImage(const WaveSpec& spec) {
    std::string format;
    const int frameBytes = spec.channels * spec.bitsPerSample / 8;
    AppendLittleEndian(format, static_cast<std::uint32_t>(spec.formatTag), 2);
    AppendLittleEndian(format, static_cast<std::uint32_t>(spec.channels), 2);
    AppendLittleEndian(format, static_cast<std::uint32_t>(spec.sampleRate), 4);
    AppendLittleEndian(format, static_cast<std::uint32_t>(spec.sampleRate * frameBytes), 4);
    AppendLittleEndian(format, static_cast<std::uint32_t>(frameBytes), 2);
    AppendLittleEndian(format, static_cast<std::uint32_t>(spec.bitsPerSample), 2);

    std::string body = "WAVE";
    AppendChunk(body, "fmt ", format);
    AppendChunk(body, "LIST", "INFOnote");
    body += "data";
    AppendLittleEndian(body, spec.declaredDataSize.value_or(spec.samples.size()), 4);
    body += spec.samples;

    std::string image = "RIFF";
    AppendLittleEndian(image, static_cast<std::uint32_t>(body.size()), 4);
    return image + body;
}

std::string RampSamples16(int count) {
    std::string samples;
    for (int i = 0; i < count; ++i)
        AppendLittleEndian(samples, static_cast<std::uint32_t>(i * 37 - 3000) & 0xFFFF, 2);
    return samples;
}

}  // namespace bv::test
