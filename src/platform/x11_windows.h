#pragma once
// The few window questions Qt cannot answer: a top-level window found by its
// title, and facts about a foreign window named by its id.

#include <cstdint>
#include <string>

struct _XDisplay;  // Xlib's connection, kept out of this header

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

// A foreign window looked at again and again over one connection of its own,
// open while the watch lives.
class ForeignWindowWatch {
public:
    explicit ForeignWindowWatch(WindowId window);
    ~ForeignWindowWatch();
    ForeignWindowWatch(const ForeignWindowWatch&) = delete;
    ForeignWindowWatch& operator=(const ForeignWindowWatch&) = delete;

    // Whether the window is gone. Without a connection to ask on it is not:
    // only the display server's own answer ends a run.
    bool Gone() const;

private:
    WindowId window_;
    ::_XDisplay* display_;
};

// Whether the X display named by DISPLAY can be opened.
bool DisplayAvailable();

}  // namespace bv::platform
