#pragma once
// A picture in memory, in one of the pixel formats a bitmap file can bring.
// True-colour pixels are 0xFFRRGGBB (the layout of QImage::Format_RGB32), so
// the back buffer can be shown without conversion. Indexed and one-bit
// pictures keep one colour-table index per byte: raster operations work on
// the indices, as the platform's palette pictures do.

#include <QImage>
#include <cstdint>
#include <vector>

#include "platform/pixel_memory.h"

namespace bv::platform {

enum class PixelFormat { Mono, Indexed, TrueColour };

using Colour = std::uint32_t;  // 0xFFRRGGBB
inline constexpr Colour kBlack = 0xFF000000u;
inline constexpr Colour kWhite = 0xFFFFFFFFu;
inline constexpr Colour kRgbBits = 0x00FFFFFFu;  // a colour without its alpha

// The largest picture in memory (a gigabyte in true colour, far beyond any
// screen): a bigger request fails at once instead of claiming the machine.
inline constexpr long long kMaxSurfacePixels = 16384LL * 16384;

class Bitmap {
public:
    // The empty default picture: 1 x 1, one bit deep. Drawing from it shows nothing.
    Bitmap();

    // An uninitialised picture (all black, or index 0) of the given format.
    // Throws std::bad_alloc when the memory cannot be had or the picture is
    // larger than kMaxSurfacePixels.
    Bitmap(int width, int height, PixelFormat format, std::vector<Colour> colourTable = {});

    // A true-colour picture whose pixels are left as the memory came, for a
    // caller about to write every one of them: filling a screen-sized
    // picture with black first costs a pass over tens of megabytes.
    struct ToBeFilled {};
    Bitmap(int width, int height, ToBeFilled);

    Bitmap(Bitmap&&) noexcept = default;
    Bitmap& operator=(Bitmap&&) noexcept = default;
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    // A picture of the same format and colour table as this one.
    Bitmap CompatibleBlank(int width, int height) const;

    int width() const { return width_; }
    int height() const { return height_; }
    PixelFormat format() const { return format_; }
    bool isEmptyDefault() const { return emptyDefault_; }
    const std::vector<Colour>& colourTable() const { return colourTable_; }

    Colour* trueColourRow(int y) {
        return trueColour_.data() + static_cast<std::size_t>(y) * width_;
    }
    const Colour* trueColourRow(int y) const {
        return trueColour_.data() + static_cast<std::size_t>(y) * width_;
    }
    std::uint8_t* indexRow(int y) {
        return indices_.data() + static_cast<std::size_t>(y) * stride_;
    }
    const std::uint8_t* indexRow(int y) const {
        return indices_.data() + static_cast<std::size_t>(y) * stride_;
    }
    // Bytes from one row's start to the next's.
    std::size_t rowBytes() const { return static_cast<std::size_t>(stride_); }

    // The colour a pixel shows, whatever the format.
    Colour colourAt(int x, int y) const;
    Colour colourOfIndex(std::uint8_t index) const;

    // The value this picture stores for a colour: itself, the nearest
    // colour-table entry, or for one-bit pictures white against the rest.
    std::uint32_t storedValueFor(Colour colour) const;

    // A QImage over this picture's own memory (no copy), made once.
    const QImage& view() const;
    // A standalone copy, in a format any painter takes.
    QImage toImage() const;

private:
    int width_ = 1;
    int height_ = 1;
    int stride_ = 4;
    PixelFormat format_ = PixelFormat::Mono;
    bool emptyDefault_ = true;
    std::vector<Colour> colourTable_;
    std::vector<Colour, PixelAllocator<Colour>> trueColour_;
    std::vector<std::uint8_t> indices_;
    mutable QImage view_;
};

}  // namespace bv::platform
