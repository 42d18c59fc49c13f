#include "platform/center_form.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace bv {

// Only toolkit calls that cannot fail: no failure handler is needed here.
void CenterForm(QWidget& form) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    const QSize size = form.frameGeometry().size();
    form.move(area.x() + area.width() / 2 - size.width() / 2,
              area.y() + area.height() / 2 - size.height() / 2);
}

}  // namespace bv
