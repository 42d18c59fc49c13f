#pragma once
// The few window questions Qt cannot answer: a top-level window found by its
// title, and facts about a foreign window named by its id.

#include <cstdint>
#include <string>

namespace bv::platform {

using WindowId = std::uint32_t;  // 0 = none

// A top-level window whose title is exactly `title`; 0 when there is none
// (or no display).
WindowId FindTopLevelWindow(const std::string& title);

struct ClientRect {
    long left = 0, top = 0, right = 0, bottom = 0;
};

// The client rectangle of a foreign window: (0, 0) to its size. All zero when
// the window does not exist.
ClientRect GetClientRect(WindowId window);

bool WindowExists(WindowId window);

// Whether the X display named by DISPLAY can be opened.
bool DisplayAvailable();

}  // namespace bv::platform
