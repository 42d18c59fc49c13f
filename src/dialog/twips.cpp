#include "dialog/twips.h"

#include <QWidget>

namespace bv {

void PlaceInTwips(QWidget& control, int left, int top, int width, int height) {
    const QRect place = TwipsRect(left, top, width, height);
    control.setFixedSize(place.size());
    control.move(place.topLeft());
}

}  // namespace bv
