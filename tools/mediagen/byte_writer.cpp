#include "byte_writer.h"

#include <fstream>
#include <stdexcept>

namespace mediagen {

void ByteWriter::u16le(std::uint16_t value) {
    u8(static_cast<std::uint8_t>(value & 0xFF));
    u8(static_cast<std::uint8_t>(value >> 8));
}

void ByteWriter::u32le(std::uint32_t value) {
    u16le(static_cast<std::uint16_t>(value & 0xFFFF));
    u16le(static_cast<std::uint16_t>(value >> 16));
}

void ByteWriter::u16be(std::uint16_t value) {
    u8(static_cast<std::uint8_t>(value >> 8));
    u8(static_cast<std::uint8_t>(value & 0xFF));
}

void ByteWriter::u32be(std::uint32_t value) {
    u16be(static_cast<std::uint16_t>(value >> 16));
    u16be(static_cast<std::uint16_t>(value & 0xFFFF));
}

void ByteWriter::bytes(std::string_view text) {
    data_.insert(data_.end(), text.begin(), text.end());
}

void ByteWriter::append(const std::vector<std::uint8_t>& more) {
    data_.insert(data_.end(), more.begin(), more.end());
}

void ByteWriter::saveTo(const std::filesystem::path& path) const {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data_.data()),
               static_cast<std::streamsize>(data_.size()));
    if (!file) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace mediagen
