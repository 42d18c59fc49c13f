#pragma once

#include <QString>

namespace bluvessa {

// Resource paths of the built-in dialog pictures (linked in through the
// bluvessa_thumbnails library).
QString thumbnailStripResource();  // ":/thumbnails.png", one cell per creature
QString bugPictureResource();      // ":/pictures/bug.png"
QString fishPictureResource();     // ":/pictures/fish.png"

}  // namespace bluvessa
