#pragma once
// The tests' one writer of Windows bitmap files, byte by byte, so that a test
// controls every header field.

#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace bv::test {

struct BmpSpec {
    int width = 2;
    int height = 2;
    int bitsPerPixel = 24;
    bool topDown = false;
    std::vector<std::uint32_t> colourTable;  // 0x00RRGGBB
    // Row-major pixel values from the top row: indices, or 0x00RRGGBB.
    std::vector<std::uint32_t> pixels;
};

inline void PutLe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

inline std::vector<std::uint8_t> BuildBmp(const BmpSpec& spec) {
    const int rowBytes = ((spec.width * spec.bitsPerPixel + 31) / 32) * 4;
    const std::uint32_t tableBytes = static_cast<std::uint32_t>(spec.colourTable.size() * 4);
    const std::uint32_t offset = 14 + 40 + tableBytes;
    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    PutLe(out, offset + rowBytes * spec.height, 4);
    PutLe(out, 0, 4);
    PutLe(out, offset, 4);
    PutLe(out, 40, 4);
    PutLe(out, static_cast<std::uint32_t>(spec.width), 4);
    PutLe(out, static_cast<std::uint32_t>(spec.topDown ? -spec.height : spec.height), 4);
    PutLe(out, 1, 2);
    PutLe(out, static_cast<std::uint32_t>(spec.bitsPerPixel), 2);
    PutLe(out, 0, 4);  // uncompressed
    PutLe(out, static_cast<std::uint32_t>(rowBytes * spec.height), 4);
    PutLe(out, 2835, 4);
    PutLe(out, 2835, 4);
    PutLe(out, static_cast<std::uint32_t>(spec.colourTable.size()), 4);
    PutLe(out, 0, 4);
    for (std::uint32_t colour : spec.colourTable) PutLe(out, colour, 4);
    for (int fileRow = 0; fileRow < spec.height; ++fileRow) {
        const int y = spec.topDown ? fileRow : spec.height - 1 - fileRow;
        std::vector<std::uint8_t> row(static_cast<std::size_t>(rowBytes), 0);
        for (int x = 0; x < spec.width; ++x) {
            const std::uint32_t v = spec.pixels[static_cast<std::size_t>(y * spec.width + x)];
            switch (spec.bitsPerPixel) {
                case 1:
                    row[x / 8] |= static_cast<std::uint8_t>((v & 1) << (7 - x % 8));
                    break;
                case 4:
                    row[x / 2] |= static_cast<std::uint8_t>((v & 15) << (x % 2 ? 0 : 4));
                    break;
                case 8:
                    row[x] = static_cast<std::uint8_t>(v);
                    break;
                case 24:
                case 32: {
                    const int step = spec.bitsPerPixel / 8;
                    row[x * step] = static_cast<std::uint8_t>(v);
                    row[x * step + 1] = static_cast<std::uint8_t>(v >> 8);
                    row[x * step + 2] = static_cast<std::uint8_t>(v >> 16);
                    break;
                }
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

inline void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

// A 24-bit picture whose pixel (x, y) is colour(x, y), 0x00RRGGBB.
inline void WriteTrueColourBmp(const std::string& path, int width, int height,
                               const std::function<std::uint32_t(int x, int y)>& colour) {
    BmpSpec spec{.width = width, .height = height, .bitsPerPixel = 24};
    spec.pixels.reserve(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) spec.pixels.push_back(colour(x, y) & 0xFFFFFFu);
    WriteFile(path, BuildBmp(spec));
}

}  // namespace bv::test
