#pragma once

#include <QImage>

namespace mediagen {

// Full pictures of the scene, without masks.
// 1 ArchWay, 2 Muddy Waters, 3 Skull Mountain: 2560 x 1440, drawn once per run.
const QImage& backgroundPicture(int number);
QImage paletteSwatch();  // 16 x 16, 24-bit

// The reef as drawn: transparent above the corals, tiling left to right.
QImage reefCoverage();  // 784 x 247

}  // namespace mediagen
