#include "platform/bitmap.h"

#include <limits>
#include <new>

namespace bv::platform {
namespace {

std::vector<Colour> MonoTable() {
    return {kBlack, kWhite};
}

int Channel(Colour colour, int shift) {
    return static_cast<int>((colour >> shift) & 0xFFu);
}

int DistanceSquared(Colour a, Colour b) {
    const int dr = Channel(a, 16) - Channel(b, 16);
    const int dg = Channel(a, 8) - Channel(b, 8);
    const int db = Channel(a, 0) - Channel(b, 0);
    return dr * dr + dg * dg + db * db;
}

// Pixels a picture of this size holds; too many, or none, is a failure to
// allocate.
std::size_t PixelCount(int width, int height) {
    if (width <= 0 || height <= 0) throw std::bad_alloc();
    const std::size_t pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (pixels > static_cast<std::size_t>(kMaxSurfacePixels)) throw std::bad_alloc();
    return pixels;
}

}  // namespace

Bitmap::Bitmap() : colourTable_(MonoTable()), indices_(4, 0) {}

Bitmap::Bitmap(int width, int height, ToBeFilled)
    : width_(width), height_(height), format_(PixelFormat::TrueColour), emptyDefault_(false) {
    trueColour_.resize(PixelCount(width, height));  // default-initialised: left as it came
    stride_ = width * 4;
}

Bitmap::Bitmap(int width, int height, PixelFormat format, std::vector<Colour> colourTable)
    : width_(width), height_(height), format_(format), emptyDefault_(false) {
    const std::size_t pixels = PixelCount(width, height);
    if (format == PixelFormat::TrueColour) {
        trueColour_.assign(pixels, kBlack);
        stride_ = width * 4;
        return;
    }
    colourTable_ = std::move(colourTable);
    if (format == PixelFormat::Mono && colourTable_.size() != 2) colourTable_ = MonoTable();
    if (colourTable_.empty()) colourTable_.push_back(kBlack);
    if (colourTable_.size() > 256) colourTable_.resize(256);
    stride_ = (width + 3) & ~3;  // QImage wants rows on 32-bit boundaries
    indices_.assign(static_cast<std::size_t>(stride_) * static_cast<std::size_t>(height), 0);
}

Bitmap Bitmap::CompatibleBlank(int width, int height) const {
    return Bitmap(width, height, format_, colourTable_);
}

Colour Bitmap::colourOfIndex(std::uint8_t index) const {
    return index < colourTable_.size() ? (colourTable_[index] | 0xFF000000u) : kBlack;
}

Colour Bitmap::colourAt(int x, int y) const {
    if (format_ == PixelFormat::TrueColour) return trueColourRow(y)[x];
    return colourOfIndex(indexRow(y)[x]);
}

std::uint32_t Bitmap::storedValueFor(Colour colour) const {
    colour |= 0xFF000000u;
    switch (format_) {
        case PixelFormat::TrueColour:
            return colour;
        case PixelFormat::Mono:
            // A colour picture drawn into a one-bit one: white stays white, the rest is black.
            return colour == kWhite ? 1u : 0u;
        case PixelFormat::Indexed:
            break;
    }
    std::uint32_t best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (std::size_t i = 0; i < colourTable_.size(); ++i) {
        const int distance = DistanceSquared(colour, colourTable_[i]);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<std::uint32_t>(i);
        }
    }
    return best;
}

const QImage& Bitmap::view() const {
    if (!view_.isNull()) return view_;
    if (format_ == PixelFormat::TrueColour) {
        view_ = QImage(reinterpret_cast<const uchar*>(trueColour_.data()), width_, height_, stride_,
                       QImage::Format_RGB32);
    } else {
        view_ = QImage(indices_.data(), width_, height_, stride_, QImage::Format_Indexed8);
        QList<QRgb> table(colourTable_.begin(), colourTable_.end());
        view_.setColorTable(table);
    }
    return view_;
}

QImage Bitmap::toImage() const {
    return view().convertToFormat(QImage::Format_RGB32);
}

}  // namespace bv::platform
