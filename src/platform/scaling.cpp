#include "platform/scaling.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "platform/raster.h"

namespace bv::platform {
namespace {

// One source row as scale-wide runs of each pixel. Doubling, the common
// case, writes each pixel pair at once.
template <typename Value>
void WidenRow(Value* target, const Value* source, int count, int scale) {
    if constexpr (sizeof(Value) == 4) {
        if (scale == 2) {
            for (int i = 0; i < count; ++i) {
                const std::uint64_t pair = source[i] | (std::uint64_t{source[i]} << 32);
                std::memcpy(target + 2 * i, &pair, sizeof pair);
            }
            return;
        }
    }
    for (int i = 0; i < count; ++i) std::fill_n(target + i * scale, scale, source[i]);
}

template <typename Value>
Value* RowOf(Bitmap& picture, int y);
template <>
Colour* RowOf<Colour>(Bitmap& picture, int y) {
    return picture.trueColourRow(y);
}
template <>
std::uint8_t* RowOf<std::uint8_t>(Bitmap& picture, int y) {
    return picture.indexRow(y);
}
template <typename Value>
const Value* RowOf(const Bitmap& picture, int y) {
    return RowOf<Value>(const_cast<Bitmap&>(picture), y);
}

template <typename Value>
void ScaleRows(Bitmap& destination, int x, int y, const Bitmap& source, int sx, int sy, int width,
               int height, int scale) {
    for (int row = 0; row < height; ++row) {
        Value* first = RowOf<Value>(destination, y + row * scale) + x;
        WidenRow(first, RowOf<Value>(source, sy + row) + sx, width, scale);
        for (int copy = 1; copy < scale; ++copy)
            std::memcpy(RowOf<Value>(destination, y + row * scale + copy) + x, first,
                        sizeof(Value) * static_cast<std::size_t>(width) * scale);
    }
}

}  // namespace

void ScaleUp(Bitmap& destination, int x, int y, const Bitmap& source, int sx, int sy, int width,
             int height, int scale) {
    if (scale <= 1) {
        BitBlt(destination, x, y, width, height, &source, sx, sy, SRCCOPY);
        return;
    }
    if (source.isEmptyDefault()) return;
    // Whole source pixels only: the block is clipped so that every one of its
    // pixels lands wholly inside the destination.
    const auto clipAxis = [scale](int& pos, int& src, int& length, int destinationLimit,
                                  int sourceLimit) {
        if (src < 0) {
            pos -= src * scale;
            length += src;
            src = 0;
        }
        if (pos < 0) {
            const int skip = (-pos + scale - 1) / scale;
            pos += skip * scale;
            src += skip;
            length -= skip;
        }
        length = std::min({length, sourceLimit - src, (destinationLimit - pos) / scale});
        return length > 0;
    };
    if (!clipAxis(x, sx, width, destination.width(), source.width()) ||
        !clipAxis(y, sy, height, destination.height(), source.height()))
        return;
    if (destination.format() != source.format() ||
        (source.format() != PixelFormat::TrueColour &&
         destination.colourTable() != source.colourTable())) {
        Bitmap converted = destination.CompatibleBlank(width, height);
        BitBlt(converted, 0, 0, width, height, &source, sx, sy, SRCCOPY);
        ScaleUp(destination, x, y, converted, 0, 0, width, height, scale);
        return;
    }
    if (source.format() == PixelFormat::TrueColour)
        ScaleRows<Colour>(destination, x, y, source, sx, sy, width, height, scale);
    else
        ScaleRows<std::uint8_t>(destination, x, y, source, sx, sy, width, height, scale);
}

Bitmap ScaledToCover(const Bitmap& source, int width, int height) {
    if (source.isEmptyDefault()) return Bitmap(width, height, PixelFormat::TrueColour);
    Bitmap out(width, height, Bitmap::ToBeFilled{});
    const double factor = std::max(static_cast<double>(width) / source.width(),
                                   static_cast<double>(height) / source.height());
    const int scaledWidth = std::max(width, static_cast<int>(std::lround(source.width() * factor)));
    const int scaledHeight =
        std::max(height, static_cast<int>(std::lround(source.height() * factor)));
    const QImage scaled =
        source.view()
            .scaled(scaledWidth, scaledHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB32);
    const int left = (scaledWidth - width) / 2;
    const int top = (scaledHeight - height) / 2;
    for (int row = 0; row < height; ++row) {
        const auto* line = reinterpret_cast<const Colour*>(scaled.constScanLine(top + row)) + left;
        Colour* target = out.trueColourRow(row);
        for (int col = 0; col < width; ++col) target[col] = line[col] | 0xFF000000u;
    }
    return out;
}

}  // namespace bv::platform
