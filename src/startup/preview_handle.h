#pragma once
// The host window handle a preview command line ends with.

#include <string>

#include "platform/checked_arithmetic.h"

namespace bv {

// The longest tail of the command line that reads entirely as a window
// handle (decimal, or "0x" hexadecimal as xwininfo prints it); 0 when there
// is none. Fails with an overflow when that number does not fit a handle.
// The command line given is the switches' (SwitchLine): an option's value
// after the handle must not be taken for it.
Long FindPreviewHandle(const std::string& commandLine);

}  // namespace bv
