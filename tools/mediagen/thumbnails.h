#pragma once

#include <QImage>

#include "catalogue.h"

namespace mediagen {

// A 17 x 17 icon of the creature on a patch of water.
QImage thumbnailPicture(const ThumbnailEntry& entry);

// The bug-report form's two small pictures, 32 x 32 with transparency.
QImage bugPicture();
QImage fishPicture();

}  // namespace mediagen
