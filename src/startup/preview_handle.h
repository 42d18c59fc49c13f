#pragma once
// The host window handle a preview command line ends with.

#include <string>

#include "platform/checked_arithmetic.h"

namespace bv {

// The longest tail of the command line that reads entirely as a number, as
// a window handle; 0 when there is none. Fails with an overflow when that
// number does not fit a handle.
Long FindPreviewHandle(const std::string& commandLine);

}  // namespace bv
