#pragma once
// Where a frame changed, as the toolkit is to paint it into the window
// (written directly, the window takes the composed pieces themselves). The
// toolkit clips to the whole region and then puts each of its rectangles
// through that clip, so the X server's work grows with the square of their number:
// a few hundred small pieces (two streams of bubbles, six schools of fish)
// cost far more than their pixels. The screen is cut into strips of equal
// height; in each strip the changes become runs across the whole strip,
// and runs closer than a gap are joined. The rectangles come out y-x banded,
// so a region takes them as they are, without splitting them further.

#include <QRect>
#include <vector>

namespace bv {

class ChangedStrips {
public:
    static constexpr int kStripHeight = 32;
    // Runs this close are joined: a few more pixels cost less than one more piece.
    static constexpr int kJoinGap = 32;

    // Nothing changed yet, on a width x height screen.
    void Reset(int width, int height);
    // Marks a changed rectangle (clipped to the screen).
    void Add(const QRect& changed);
    bool IsEmpty() const { return empty_; }

    // Rectangles covering every change: each strip's runs, top to bottom and
    // left to right, each as high as its strip (the last one cut by the screen).
    std::vector<QRect> Bands() const;

private:
    struct Run {
        int left;
        int right;  // inclusive
    };

    int width_ = 0;
    int height_ = 0;
    bool empty_ = true;
    std::vector<std::vector<Run>> strips_;
};

}  // namespace bv
