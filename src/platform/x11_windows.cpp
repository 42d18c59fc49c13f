#include "platform/x11_windows.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <memory>

namespace bv::platform {
namespace {

// Xlib reports a bad window id through an error handler that would end the
// process; a window that vanished is an ordinary answer here.
int IgnoreXErrors(Display*, XErrorEvent*) {
    return 0;
}

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};
using DisplayPtr = std::unique_ptr<Display, DisplayCloser>;

DisplayPtr OpenDisplay() {
    return DisplayPtr(XOpenDisplay(nullptr));
}

// Ignores the X errors of our own questions while it lives, and puts the
// process's handler back afterwards (the toolkit may rely on its own).
class QuietXErrors {
public:
    explicit QuietXErrors(Display* display)
        : display_(display), previous_(XSetErrorHandler(IgnoreXErrors)) {}
    ~QuietXErrors() {
        XSync(display_, False);  // the replies to our requests, errors included, are in
        XSetErrorHandler(previous_);
    }
    QuietXErrors(const QuietXErrors&) = delete;
    QuietXErrors& operator=(const QuietXErrors&) = delete;

private:
    Display* display_;
    XErrorHandler previous_;
};

struct XFreeDeleter {
    void operator()(void* p) const { XFree(p); }
};

std::string WindowTitle(Display* display, Window window) {
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count,
                           &remaining, &data) == Success &&
        data != nullptr) {
        std::unique_ptr<unsigned char, XFreeDeleter> owned(data);
        if (type == utf8 && format == 8) return std::string(reinterpret_cast<char*>(data), count);
    }
    char* name = nullptr;
    if (XFetchName(display, window, &name) != 0 && name != nullptr) {
        std::unique_ptr<char, XFreeDeleter> owned(name);
        return name;
    }
    return {};
}

// Window managers wrap clients in frames, so the titled window may be a child
// of a top-level frame; two levels cover that.
Window FindTitled(Display* display, Window parent, const std::string& title, int depth) {
    Window root = 0, parentOut = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, parent, &root, &parentOut, &children, &count) == 0) return 0;
    std::unique_ptr<Window, XFreeDeleter> owned(children);
    for (unsigned int i = 0; i < count; ++i) {
        if (WindowTitle(display, children[i]) == title) return children[i];
        if (depth > 1) {
            if (Window found = FindTitled(display, children[i], title, depth - 1)) return found;
        }
    }
    return 0;
}

}  // namespace

WindowId FindTopLevelWindow(const std::string& title) {
    DisplayPtr display = OpenDisplay();
    if (!display) return 0;
    const QuietXErrors quiet(display.get());
    return static_cast<WindowId>(
        FindTitled(display.get(), DefaultRootWindow(display.get()), title, 2));
}

ClientRect GetClientRect(WindowId window) {
    ClientRect rect;
    if (window == 0) return rect;
    DisplayPtr display = OpenDisplay();
    if (!display) return rect;
    const QuietXErrors quiet(display.get());
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display.get(), window, &attributes) != 0) {
        rect.right = attributes.width;
        rect.bottom = attributes.height;
    }
    return rect;
}

ForeignWindowWatch::ForeignWindowWatch(WindowId window)
    : window_(window), display_(XOpenDisplay(nullptr)) {}

ForeignWindowWatch::~ForeignWindowWatch() {
    if (display_ != nullptr) XCloseDisplay(display_);
}

bool ForeignWindowWatch::Gone() const {
    if (display_ == nullptr || window_ == 0) return false;
    const QuietXErrors quiet(display_);
    XWindowAttributes attributes{};
    return XGetWindowAttributes(display_, window_, &attributes) == 0;
}

bool DisplayAvailable() {
    return OpenDisplay() != nullptr;
}

}  // namespace bv::platform
