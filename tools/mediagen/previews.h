#pragma once

#include <QImage>

namespace mediagen {

// The settings dialog's full-box stills: 181 x 167 pictures above an
// all-black (fully opaque) mask, 181 x 334 in all.
QImage backgroundPreviewSheet(int number);
QImage foregroundPreviewSheet();
QImage sceneryPlaceholderSheet();
QImage creaturePlaceholderSheet();

// The display settings' looping miniature: eight 103 x 102 frames in a row.
QImage previewStrip();

}  // namespace mediagen
