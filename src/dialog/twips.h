#pragma once
// The dialogs are laid out in twips, 15 to a pixel, measured from the
// top-left corner of the window's client area or of the containing frame.

#include <QRect>
#include <cmath>

class QWidget;

namespace bv {

inline constexpr double kTwipsPerPixel = 15.0;

inline int TwipsToPixels(int twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

inline QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                 TwipsToPixels(height));
}

// Places the control at its position in its parent and fixes its size there.
void PlaceInTwips(QWidget& control, int left, int top, int width, int height);

}  // namespace bv
