#include "platform/scaling.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

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

// The enlarged row's pixels from `left` on: a part block first where `left`
// falls inside one, then whole blocks, then a part block.
template <typename Value>
void WidenSpan(Value* target, const Value* source, int left, int count, int scale) {
    if (scale == 1) {
        std::memcpy(target, source + left, sizeof(Value) * static_cast<std::size_t>(count));
        return;
    }
    int from = left / scale;
    if (const int into = left % scale; into != 0) {
        const int head = std::min(scale - into, count);
        target = std::fill_n(target, head, source[from++]);
        count -= head;
    }
    const int blocks = count / scale;
    WidenRow(target, source + from, blocks, scale);
    if (const int tail = count - blocks * scale; tail > 0)
        std::fill_n(target + blocks * scale, tail, source[from + blocks]);
}

// Rows that come from the same source row are copies of the first of them.
template <typename Value>
void Enlarge(const Bitmap& source, int scale, const QRect& area, Value* target,
             std::size_t rowValues) {
    const auto rowBytes = sizeof(Value) * static_cast<std::size_t>(area.width());
    for (int row = 0; row < area.height(); ++row) {
        Value* line = target + row * rowValues;
        const int y = area.top() + row;
        if (row > 0 && y % scale != 0)
            std::memcpy(line, line - rowValues, rowBytes);
        else
            WidenSpan(line, RowOf<Value>(source, y / scale), area.left(), area.width(), scale);
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
    const QRect enlarged(sx * scale, sy * scale, width * scale, height * scale);
    if (source.format() == PixelFormat::TrueColour)
        Enlarge(source, scale, enlarged, destination.trueColourRow(y) + x,
                destination.rowBytes() / sizeof(Colour));
    else
        Enlarge(source, scale, enlarged, destination.indexRow(y) + x, destination.rowBytes());
}

void CopyEnlarged(const Bitmap& source, int scale, const QRect& area, Colour* target) {
    Enlarge(source, scale, area, target, static_cast<std::size_t>(area.width()));
}

namespace {

// Source scaled by one factor to cover width x height, and the part of it
// that shows: (left, top) onwards.
struct Cover {
    double factor;
    int scaledWidth;
    int scaledHeight;
    int left;
    int top;
};

Cover CoverFor(int sourceWidth, int sourceHeight, int width, int height) {
    Cover cover{};
    cover.factor = std::max(static_cast<double>(width) / sourceWidth,
                            static_cast<double>(height) / sourceHeight);
    cover.scaledWidth = std::max(width, static_cast<int>(std::lround(sourceWidth * cover.factor)));
    cover.scaledHeight =
        std::max(height, static_cast<int>(std::lround(sourceHeight * cover.factor)));
    cover.left = (cover.scaledWidth - width) / 2;
    cover.top = (cover.scaledHeight - height) / 2;
    return cover;
}

// Bilinear sampling reads the four source pixels around each point: down to
// half size it weighs every source pixel in, as averaging does; below that
// it would skip some, and fine detail would break up.
constexpr double kSmallestBilinearFactor = 0.5;

// A canvas over the target's pixels, for a painter that samples smoothly and
// replaces what was there.
QImage CanvasOver(Bitmap& target) {
    return QImage(reinterpret_cast<uchar*>(target.trueColourRow(0)), target.width(),
                  target.height(), qsizetype{target.width()} * 4, QImage::Format_RGB32);
}

void PrepareToCover(QPainter& painter) {
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

bool BilinearFits(const Bitmap& target, const Cover& cover) {
    return target.format() == PixelFormat::TrueColour && cover.factor >= kSmallestBilinearFactor;
}

}  // namespace

Bitmap ScaledToCover(const Bitmap& source, int width, int height) {
    if (source.isEmptyDefault()) return Bitmap(width, height, PixelFormat::TrueColour);
    Bitmap out(width, height, Bitmap::ToBeFilled{});
    const Cover cover = CoverFor(source.width(), source.height(), width, height);
    const QImage scaled = source.view()
                              .scaled(cover.scaledWidth, cover.scaledHeight, Qt::IgnoreAspectRatio,
                                      Qt::SmoothTransformation)
                              .convertToFormat(QImage::Format_RGB32);
    for (int row = 0; row < height; ++row) {
        const auto* line =
            reinterpret_cast<const Colour*>(scaled.constScanLine(cover.top + row)) + cover.left;
        Colour* target = out.trueColourRow(row);
        for (int col = 0; col < width; ++col) target[col] = line[col] | 0xFF000000u;
    }
    return out;
}

// Qt's averaging scaler allocates its result and an intermediate of its own:
// at the start of a run, fresh memory whose page faults cost more than the
// scaling. Sampled straight into the target, a screen-sized background
// takes a fifth of the time, and looks the same.
void CoverWith(Bitmap& target, const Bitmap& source) {
    const Cover cover = CoverFor(source.width(), source.height(), target.width(), target.height());
    if (source.isEmptyDefault() || !BilinearFits(target, cover)) {
        const Bitmap covered = ScaledToCover(source, target.width(), target.height());
        BitBlt(target, 0, 0, target.width(), target.height(), &covered, 0, 0, SRCCOPY);
        return;
    }
    QImage canvas = CanvasOver(target);
    QPainter painter(&canvas);
    PrepareToCover(painter);
    painter.drawImage(QRectF(-cover.left, -cover.top, cover.scaledWidth, cover.scaledHeight),
                      source.view());
}

// A strip at a time, each drawn under a clip to the target rows whose sample
// points fall in its own rows. Each strip carries a row more on either side,
// so that bilinear sampling at its edges sees the neighbours it would see over
// the whole picture. The strip stays in the cache, and no picture of the
// source's size is made.
bool CoverWithRows(Bitmap& target, int sourceWidth, int sourceHeight, const RowSource& rowAt) {
    constexpr int kStripRows = 64;
    if (sourceWidth <= 0 || sourceHeight <= 0) return false;
    const Cover cover = CoverFor(sourceWidth, sourceHeight, target.width(), target.height());
    if (!BilinearFits(target, cover)) return false;
    const double rowScale = static_cast<double>(cover.scaledHeight) / sourceHeight;
    // The first target row whose centre lies at or below the source row's top.
    const auto firstTargetRow = [&](int sourceRow) {
        return static_cast<int>(std::ceil(sourceRow * rowScale - cover.top - 0.5));
    };
    std::vector<Colour> strip(static_cast<std::size_t>(sourceWidth) * (kStripRows + 2));
    QImage canvas = CanvasOver(target);
    QPainter painter(&canvas);
    PrepareToCover(painter);
    for (int first = 0; first < sourceHeight; first += kStripRows) {
        const int last = std::min(sourceHeight, first + kStripRows);
        const int top = firstTargetRow(first);
        const int bottom = std::min(firstTargetRow(last), target.height());
        if (bottom <= 0 || top >= bottom) continue;
        const int from = std::max(0, first - 1);
        const int to = std::min(sourceHeight, last + 1);
        for (int row = from; row < to; ++row)
            rowAt(row, strip.data() + static_cast<std::size_t>(row - from) * sourceWidth);
        const QImage part(reinterpret_cast<const uchar*>(strip.data()), sourceWidth, to - from,
                          qsizetype{sourceWidth} * 4, QImage::Format_RGB32);
        painter.setClipRect(QRect(0, top, target.width(), bottom - top));
        painter.drawImage(QRectF(-cover.left, from * rowScale - cover.top, cover.scaledWidth,
                                 (to - from) * rowScale),
                          part);
    }
    return true;
}

}  // namespace bv::platform
