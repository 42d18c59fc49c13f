#pragma once

#include <QPainter>
#include <QSizeF>
#include <functional>
#include <numbers>

namespace mediagen {

// Which frame of a strip is being drawn, and on what canvas.
struct FrameInfo {
    int index = 0;
    int count = 1;
    QSizeF size;

    // Position in a looping cycle, 0 to 2 pi.
    double phase() const { return 2.0 * std::numbers::pi * index / count; }
    // Progress through a one-way sequence, 0 at the first frame, 1 at the last.
    double progress() const { return count > 1 ? double(index) / (count - 1) : 0.0; }
};

// Draws one frame of a piece onto a transparent canvas of FrameInfo::size.
// Creatures that turn round are drawn facing right; the sheet builder mirrors
// them where a strip must face left.
using FrameArt = std::function<void(QPainter&, const FrameInfo&)>;

}  // namespace mediagen
