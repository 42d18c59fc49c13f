#pragma once
// A run that draws into someone else's window (xscreensaver's, a settings
// program's preview, one named with --window-id) lives only as long as that
// window. Its owner may destroy it without a word to us (xscreensaver's
// settings killed while previewing sends no signal), so the window is looked
// for a few times a second.

#include <QTimer>

#include "platform/x11_windows.h"

namespace bv {

inline constexpr int kHostWatchIntervalMs = 250;

// Starts the timer: on each tick, once the host window no longer exists, the
// run ends through the common way out.
void WatchHostWindow(QTimer& watch, platform::WindowId host);

}  // namespace bv
