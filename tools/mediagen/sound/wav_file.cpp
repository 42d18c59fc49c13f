#include "wav_file.h"

#include "byte_writer.h"

namespace mediagen {

void writeWav16Mono(const std::filesystem::path& path, int sampleRate,
                    const std::vector<std::int16_t>& samples) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    ByteWriter out;
    out.bytes("RIFF");
    out.u32le(36 + dataBytes);
    out.bytes("WAVE");
    out.bytes("fmt ");
    out.u32le(16);
    out.u16le(1);  // PCM
    out.u16le(1);  // mono
    out.u32le(static_cast<std::uint32_t>(sampleRate));
    out.u32le(static_cast<std::uint32_t>(sampleRate) * 2);
    out.u16le(2);
    out.u16le(16);
    out.bytes("data");
    out.u32le(dataBytes);
    for (const std::int16_t s : samples) out.u16le(static_cast<std::uint16_t>(s));
    out.saveTo(path);
}

}  // namespace mediagen
