#include "bmp_file.h"

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "byte_writer.h"

namespace mediagen {

void writeBmp24(const QImage& image, const std::filesystem::path& path) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const int height = rgb.height();
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(height);
    constexpr std::uint32_t headerBytes = 14 + 40;

    ByteWriter out;
    out.bytes("BM");
    out.u32le(headerBytes + pixelBytes);
    out.u32le(0);  // reserved
    out.u32le(headerBytes);
    out.u32le(40);  // BITMAPINFOHEADER
    out.u32le(static_cast<std::uint32_t>(width));
    out.u32le(static_cast<std::uint32_t>(height));  // positive: bottom-up rows
    out.u16le(1);
    out.u16le(24);
    out.u32le(0);  // BI_RGB
    out.u32le(pixelBytes);
    out.u32le(2835);  // 72 dpi
    out.u32le(2835);
    out.u32le(0);
    out.u32le(0);

    for (int y = height - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            out.u8(static_cast<std::uint8_t>(qBlue(line[x])));
            out.u8(static_cast<std::uint8_t>(qGreen(line[x])));
            out.u8(static_cast<std::uint8_t>(qRed(line[x])));
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(width) * 3; pad < rowBytes; ++pad)
            out.u8(0);
    }
    out.saveTo(path);
}

}  // namespace mediagen
