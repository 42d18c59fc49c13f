#pragma once
// Where a frame changed, kept as a grid of small tiles: any number of changed
// rectangles become a short list of disjoint ones covering them, without the
// cost of an exact union. The window takes few large pieces more cheaply
// than many small ones, so a change is shown with up to a tile around it.

#include <QRect>
#include <cstdint>
#include <vector>

namespace bv {

class DamageGrid {
public:
    static constexpr int kTileWidth = 16;
    static constexpr int kTileHeight = 16;

    // An empty grid over a width x height screen.
    void Reset(int width, int height);
    // Marks every tile the rectangle touches (clipped to the screen).
    void Add(const QRect& changed);
    void AddAll();
    bool IsEmpty() const { return marked_ == 0; }

    // Rectangles covering every marked tile, clipped to the screen, as bands:
    // the runs of each row of tiles, top to bottom and left to right, each a
    // tile high (the form a region is made from without any union). Runs a
    // tile apart are joined.
    std::vector<QRect> Bands() const;

private:
    int width_ = 0;
    int height_ = 0;
    int columns_ = 0;
    int rows_ = 0;
    int marked_ = 0;
    std::vector<std::uint8_t> tiles_;
};

}  // namespace bv
