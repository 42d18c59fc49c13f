#include "scene/damage_grid.h"

#include <algorithm>

namespace bv {

void DamageGrid::Reset(int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    columns_ = (width_ + kTileWidth - 1) / kTileWidth;
    rows_ = (height_ + kTileHeight - 1) / kTileHeight;
    tiles_.assign(static_cast<std::size_t>(columns_) * rows_, 0);
    marked_ = 0;
}

void DamageGrid::Add(const QRect& changed) {
    const QRect part = changed.intersected(QRect(0, 0, width_, height_));
    if (part.isEmpty()) return;
    for (int row = part.top() / kTileHeight; row <= part.bottom() / kTileHeight; ++row) {
        std::uint8_t* line = tiles_.data() + static_cast<std::size_t>(row) * columns_;
        for (int column = part.left() / kTileWidth; column <= part.right() / kTileWidth; ++column) {
            marked_ += line[column] == 0;
            line[column] = 1;
        }
    }
}

void DamageGrid::AddAll() {
    std::fill(tiles_.begin(), tiles_.end(), std::uint8_t{1});
    marked_ = static_cast<int>(tiles_.size());
}

std::vector<QRect> DamageGrid::Bands() const {
    std::vector<QRect> bands;
    const QRect screen(0, 0, width_, height_);
    for (int row = 0; row < rows_; ++row) {
        const std::uint8_t* line = tiles_.data() + static_cast<std::size_t>(row) * columns_;
        for (int column = 0; column < columns_;) {
            if (line[column] == 0) {
                ++column;
                continue;
            }
            const int first = column;
            // A gap of one tile joins the runs either side: one piece costs
            // the window less than two.
            while (column < columns_ &&
                   (line[column] != 0 || (column + 1 < columns_ && line[column + 1] != 0)))
                ++column;
            bands.push_back(QRect(first * kTileWidth, row * kTileHeight,
                                  (column - first) * kTileWidth, kTileHeight)
                                .intersected(screen));
        }
    }
    return bands;
}

}  // namespace bv
