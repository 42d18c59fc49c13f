#pragma once

#include <QImage>

namespace mediagen {

// The settings dialog's thumbnails: a 17 x 17 icon of each creature on a
// patch of water, side by side in the order of the program's creature table.
QImage thumbnailStrip();

// The bug-report form's two small pictures, 32 x 32 with transparency.
QImage bugPicture();
QImage fishPicture();

}  // namespace mediagen
