#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace mediagen {

// Little- and big-endian byte assembly shared by the bitmap, MIDI and wave
// writers.
class ByteWriter {
public:
    void u8(std::uint8_t value) { data_.push_back(value); }
    void u16le(std::uint16_t value);
    void u32le(std::uint32_t value);
    void u16be(std::uint16_t value);
    void u32be(std::uint32_t value);
    void bytes(std::string_view text);
    void append(const std::vector<std::uint8_t>& more);

    const std::vector<std::uint8_t>& data() const { return data_; }
    std::size_t size() const { return data_.size(); }

    // Throws std::runtime_error when the file cannot be written.
    void saveTo(const std::filesystem::path& path) const;

private:
    std::vector<std::uint8_t> data_;
};

}  // namespace mediagen
