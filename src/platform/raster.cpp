#include "platform/raster.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <type_traits>
#include <unordered_map>

namespace bv::platform {
namespace {

struct Block {
    int x, y, sx, sy, width, height;
};

// Clips a block against the destination and the source; false when nothing remains.
bool Clip(Block& b, int destinationWidth, int destinationHeight, int sourceWidth,
          int sourceHeight) {
    auto clipAxis = [](int& pos, int& src, int& len, int destLimit, int srcLimit) {
        if (pos < 0) {
            src -= pos;
            len += pos;
            pos = 0;
        }
        if (src < 0) {
            pos -= src;
            len += src;
            src = 0;
        }
        len = std::min({len, destLimit - pos, srcLimit - src});
        return len > 0;
    };
    return clipAxis(b.x, b.sx, b.width, destinationWidth, sourceWidth) &&
           clipAxis(b.y, b.sy, b.height, destinationHeight, sourceHeight);
}

// The loops masks and pictures go through on their own: plain, so that the
// compiler turns them into vector code.
template <typename Value>
void AndRow(Value* __restrict target, const Value* __restrict source, int count) {
    for (int i = 0; i < count; ++i) target[i] &= source[i];
}
template <typename Value>
void OrRow(Value* __restrict target, const Value* __restrict source, int count) {
    for (int i = 0; i < count; ++i) target[i] |= source[i];
}

template <typename Value>
void ApplyRow(Value* target, const Value* source, int count, RasterOp op) {
    switch (op) {
        case SRCCOPY:
            std::memmove(target, source, sizeof(Value) * static_cast<std::size_t>(count));
            break;
        case SRCAND:
            AndRow(target, source, count);
            break;
        case SRCPAINT:
            OrRow(target, source, count);
            break;
        default:
            break;
    }
}

// Translates source pixels into the destination's stored values, remembering
// the answers: nearest-colour searches are slow and pictures repeat colours.
class ValueTranslator {
public:
    ValueTranslator(const Bitmap& source, const Bitmap& destination)
        : source_(source), destination_(destination) {}

    std::uint32_t operator()(int x, int y) {
        const Colour colour = source_.colourAt(x, y);
        const auto found = cache_.find(colour);
        if (found != cache_.end()) return found->second;
        const std::uint32_t value = destination_.storedValueFor(colour);
        cache_.emplace(colour, value);
        return value;
    }

private:
    const Bitmap& source_;
    const Bitmap& destination_;
    std::unordered_map<Colour, std::uint32_t> cache_;
};

std::uint32_t Combine(std::uint32_t destination, std::uint32_t source, RasterOp op) {
    switch (op) {
        case SRCCOPY:
            return source;
        case SRCAND:
            return destination & source;
        case SRCPAINT:
            return destination | source;
        default:
            return destination;
    }
}

void BlitConverting(Bitmap& destination, const Block& b, const Bitmap& source, RasterOp op) {
    ValueTranslator translate(source, destination);
    for (int row = 0; row < b.height; ++row) {
        for (int col = 0; col < b.width; ++col) {
            const std::uint32_t value = translate(b.sx + col, b.sy + row);
            const int x = b.x + col;
            const int y = b.y + row;
            if (destination.format() == PixelFormat::TrueColour) {
                Colour& pixel = destination.trueColourRow(y)[x];
                pixel = Combine(pixel, value, op);
            } else {
                std::uint8_t& pixel = destination.indexRow(y)[x];
                pixel = static_cast<std::uint8_t>(Combine(pixel, value, op));
            }
        }
    }
}

void FillBlack(Bitmap& destination, const Block& b) {
    for (int row = 0; row < b.height; ++row) {
        if (destination.format() == PixelFormat::TrueColour)
            std::fill_n(destination.trueColourRow(b.y + row) + b.x, b.width, kBlack);
        else
            std::fill_n(destination.indexRow(b.y + row) + b.x, b.width, std::uint8_t{0});
    }
}

bool SameValueSpace(const Bitmap& a, const Bitmap& b) {
    if (a.format() != b.format()) return false;
    return a.format() == PixelFormat::TrueColour || a.colourTable() == b.colourTable();
}

Colour Lerp(Colour a, Colour b, int weight256) {
    Colour out = 0xFF000000u;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int ca = static_cast<int>((a >> shift) & 0xFF);
        const int cb = static_cast<int>((b >> shift) & 0xFF);
        out |= static_cast<Colour>((ca * (256 - weight256) + cb * weight256) >> 8) << shift;
    }
    return out;
}

}  // namespace

void BitBlt(Bitmap& destination, int x, int y, int width, int height, const Bitmap* source, int sx,
            int sy, RasterOp op) {
    Block b{x, y, sx, sy, width, height};
    if (op == BLACKNESS) {
        constexpr int kNoSourceLimit = 1 << 30;
        b.sx = b.sy = 0;
        if (Clip(b, destination.width(), destination.height(), kNoSourceLimit, kNoSourceLimit))
            FillBlack(destination, b);
        return;
    }
    if (source == nullptr || source->isEmptyDefault()) return;
    if (op != SRCCOPY && op != SRCAND && op != SRCPAINT) return;
    if (!Clip(b, destination.width(), destination.height(), source->width(), source->height()))
        return;

    if (source == &destination && op == SRCCOPY) {
        // Overlapping copies within one picture: go through a copy of the block.
        Bitmap copy = destination.CompatibleBlank(b.width, b.height);
        BitBlt(copy, 0, 0, b.width, b.height, source, b.sx, b.sy, SRCCOPY);
        BitBlt(destination, b.x, b.y, b.width, b.height, &copy, 0, 0, SRCCOPY);
        return;
    }
    if (!SameValueSpace(destination, *source)) {
        BlitConverting(destination, b, *source, op);
        return;
    }
    for (int row = 0; row < b.height; ++row) {
        if (destination.format() == PixelFormat::TrueColour)
            ApplyRow(destination.trueColourRow(b.y + row) + b.x,
                     source->trueColourRow(b.sy + row) + b.sx, b.width, op);
        else
            ApplyRow(destination.indexRow(b.y + row) + b.x, source->indexRow(b.sy + row) + b.sx,
                     b.width, op);
    }
}

// The loop every sprite and the reef go through: built for the machine's
// widest vectors where the processor has them.
__attribute__((target_clones("avx2", "default"))) void PaintThroughMask(Colour* target,
                                                                        const Colour* mask,
                                                                        const Colour* image,
                                                                        int count) {
    for (int col = 0; col < count; ++col) target[col] = (target[col] & mask[col]) | image[col];
}

void MaskedPaint(Bitmap& destination, int x, int y, int width, int height, const Bitmap* mask,
                 int maskX, int maskY, const Bitmap* image, int imageX, int imageY) {
    auto twoPasses = [&] {
        BitBlt(destination, x, y, width, height, mask, maskX, maskY, SRCAND);
        BitBlt(destination, x, y, width, height, image, imageX, imageY, SRCPAINT);
    };
    if (mask == nullptr || image == nullptr || mask->isEmptyDefault() || image->isEmptyDefault() ||
        !SameValueSpace(destination, *mask) || !SameValueSpace(destination, *image) ||
        mask == &destination || image == &destination) {
        twoPasses();
        return;
    }
    Block m{x, y, maskX, maskY, width, height};
    Block i{x, y, imageX, imageY, width, height};
    const bool maskShows =
        Clip(m, destination.width(), destination.height(), mask->width(), mask->height());
    const bool imageShows =
        Clip(i, destination.width(), destination.height(), image->width(), image->height());
    if (!maskShows || !imageShows || m.x != i.x || m.y != i.y || m.width != i.width ||
        m.height != i.height) {
        twoPasses();
        return;
    }
    auto fuse = [](auto* target, const auto* maskRow, const auto* imageRow, int count) {
        for (int col = 0; col < count; ++col)
            target[col] = static_cast<std::remove_reference_t<decltype(*target)>>(
                (target[col] & maskRow[col]) | imageRow[col]);
    };
    for (int row = 0; row < m.height; ++row) {
        if (destination.format() == PixelFormat::TrueColour)
            PaintThroughMask(destination.trueColourRow(m.y + row) + m.x,
                             mask->trueColourRow(m.sy + row) + m.sx,
                             image->trueColourRow(i.sy + row) + i.sx, m.width);
        else
            fuse(destination.indexRow(m.y + row) + m.x, mask->indexRow(m.sy + row) + m.sx,
                 image->indexRow(i.sy + row) + i.sx, m.width);
    }
}

void StretchBlt(Bitmap& destination, int x, int y, int width, int height, const Bitmap& source,
                int sx, int sy, int sourceWidth, int sourceHeight) {
    if (source.isEmptyDefault() || width <= 0 || height <= 0 || sourceWidth <= 0 ||
        sourceHeight <= 0)
        return;
    const bool filtered = destination.format() == PixelFormat::TrueColour;
    ValueTranslator translate(source, destination);
    const double scaleX = static_cast<double>(sourceWidth) / width;
    const double scaleY = static_cast<double>(sourceHeight) / height;
    auto sourceColour = [&](int px, int py) {
        px = std::clamp(px, 0, source.width() - 1);
        py = std::clamp(py, 0, source.height() - 1);
        return source.colourAt(px, py);
    };
    const int firstRow = std::max(0, -y);
    const int lastRow = std::min(height, destination.height() - y);
    const int firstCol = std::max(0, -x);
    const int lastCol = std::min(width, destination.width() - x);
    for (int row = firstRow; row < lastRow; ++row) {
        const double fy = sy + (row + 0.5) * scaleY - 0.5;
        for (int col = firstCol; col < lastCol; ++col) {
            const double fx = sx + (col + 0.5) * scaleX - 0.5;
            if (filtered) {
                const int x0 = static_cast<int>(std::floor(fx));
                const int y0 = static_cast<int>(std::floor(fy));
                const int wx = static_cast<int>((fx - x0) * 256);
                const int wy = static_cast<int>((fy - y0) * 256);
                const Colour top = Lerp(sourceColour(x0, y0), sourceColour(x0 + 1, y0), wx);
                const Colour bottom =
                    Lerp(sourceColour(x0, y0 + 1), sourceColour(x0 + 1, y0 + 1), wx);
                destination.trueColourRow(y + row)[x + col] = Lerp(top, bottom, wy);
            } else {
                const int px = std::clamp(static_cast<int>(sx + (col + 0.5) * scaleX), sx,
                                          sx + sourceWidth - 1);
                const int py = std::clamp(static_cast<int>(sy + (row + 0.5) * scaleY), sy,
                                          sy + sourceHeight - 1);
                if (px < 0 || py < 0 || px >= source.width() || py >= source.height()) continue;
                destination.indexRow(y + row)[x + col] =
                    static_cast<std::uint8_t>(translate(px, py));
            }
        }
    }
}

void SetPixel(Bitmap& destination, int x, int y, Colour colour) {
    if (x < 0 || y < 0 || x >= destination.width() || y >= destination.height()) return;
    const std::uint32_t value = destination.storedValueFor(colour);
    if (destination.format() == PixelFormat::TrueColour)
        destination.trueColourRow(y)[x] = value;
    else
        destination.indexRow(y)[x] = static_cast<std::uint8_t>(value);
}

}  // namespace bv::platform
