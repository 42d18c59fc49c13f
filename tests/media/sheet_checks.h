#pragma once

#include <QImage>
#include <QRect>
#include <string>

namespace media_test {

// Each returns an empty string when the check passes, else what is wrong.
std::string maskIsBlackAndWhite(const QImage& sheet, const QRect& mask);
// No lit image pixel where the mask (same size, given by its top-left) is white.
std::string imageDarkUnderClearMask(const QImage& sheet, const QRect& image, QPoint maskTopLeft);
bool maskHasOpaquePixel(const QImage& sheet, const QRect& mask);
// Whether `b` is `a` mirrored left to right.
bool mirrored(const QImage& a, const QImage& b);

}  // namespace media_test
