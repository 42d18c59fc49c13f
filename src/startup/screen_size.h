#pragma once
// The size, in device pixels, of what the full-screen run draws on.

#include <QSize>

namespace bv {

// The window xscreensaver hands over in XSCREENSAVER_WINDOW when it runs the
// saver (0 when there is none).
unsigned long HostSaverWindow();

// That window's size when there is one, otherwise the primary screen's,
// counted in device pixels so the back buffer maps one to one onto the screen.
QSize DrawingAreaPixels();

}  // namespace bv
