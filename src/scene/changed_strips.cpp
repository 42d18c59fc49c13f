#include "scene/changed_strips.h"

#include <algorithm>

namespace bv {

void ChangedStrips::Reset(int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    // Kept from frame to frame: the runs' storage is reused.
    strips_.resize(static_cast<std::size_t>((height_ + kStripHeight - 1) / kStripHeight));
    for (std::vector<Run>& strip : strips_) strip.clear();
    empty_ = true;
}

void ChangedStrips::Add(const QRect& changed) {
    const QRect part = changed.intersected(QRect(0, 0, width_, height_));
    if (part.isEmpty()) return;
    empty_ = false;
    for (int strip = part.top() / kStripHeight; strip <= part.bottom() / kStripHeight; ++strip)
        strips_[static_cast<std::size_t>(strip)].push_back({part.left(), part.right()});
}

std::vector<QRect> ChangedStrips::Bands() const {
    std::vector<QRect> bands;
    std::vector<Run> runs;
    for (std::size_t strip = 0; strip < strips_.size(); ++strip) {
        if (strips_[strip].empty()) continue;
        runs = strips_[strip];
        std::sort(runs.begin(), runs.end(),
                  [](const Run& a, const Run& b) { return a.left < b.left; });
        const int top = static_cast<int>(strip) * kStripHeight;
        const int height = std::min(kStripHeight, height_ - top);
        const auto addBand = [&](const Run& run) {
            bands.emplace_back(run.left, top, run.right - run.left + 1, height);
        };
        Run joined = runs.front();
        for (const Run& run : runs) {
            if (run.left - joined.right - 1 <= kJoinGap) {
                joined.right = std::max(joined.right, run.right);
                continue;
            }
            addBand(joined);
            joined = run;
        }
        addBand(joined);
    }
    return bands;
}

}  // namespace bv
