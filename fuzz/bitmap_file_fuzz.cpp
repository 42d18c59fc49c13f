// Any bytes given as a bitmap file: the loader must give a picture or the
// empty default, never crash, and never a picture larger than a file may declare.
#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/bitmap_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const bv::platform::Bitmap picture = bv::platform::DecodeBitmapFile(bytes);
    const long long pixels = static_cast<long long>(picture.width()) * picture.height();
    if (picture.width() <= 0 || picture.height() <= 0 || pixels > bv::platform::kMaxFilePixels)
        std::abort();
    // Every pixel must be readable, whatever the format and colour table.
    volatile std::uint32_t sink = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) sink = picture.colourAt(x, y);
    return 0;
}
