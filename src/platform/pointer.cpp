#include "platform/pointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace bv::platform {
namespace {
int displayCount = 0;  // the pointer shows while this is 0 or more
bool overrideActive = false;

void Apply() {
    const bool hide = displayCount < 0;
    // Only a graphical application has a pointer to hide.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr ||
        hide == overrideActive)
        return;
    if (hide)
        QGuiApplication::setOverrideCursor(QCursor(Qt::BlankCursor));
    else
        QGuiApplication::restoreOverrideCursor();
    overrideActive = hide;
}
}  // namespace

void ShowCursor(bool show) {
    displayCount += show ? 1 : -1;
    Apply();
}

}  // namespace bv::platform
