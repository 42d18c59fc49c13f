/* Small X11 chores the end-to-end tests need and xdotool lacks:
 *   x_test_helper close <window-id>     ask a window to close (WM_DELETE_WINDOW), as a title bar
 * would x_test_helper host <width> <height> make a plain window, print its id, keep it until killed
 *   x_test_helper front <window-id>     succeed when the window is shown and no other shown
 *                                       top-level window over any part of it lies above it;
 *                                       otherwise print the covering window and fail
 */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

/* A window that went away between finding and closing it is reported, not fatal. */
static int bad_window = 0;
static int note_error(Display* display, XErrorEvent* error) {
    (void)display;
    (void)error;
    bad_window = 1;
    return 0;
}

static int close_window(Display* display, Window window) {
    XSetErrorHandler(note_error);
    XEvent event;
    memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = (long)XInternAtom(display, "WM_DELETE_WINDOW", False);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    return bad_window ? 1 : 0;
}

static volatile sig_atomic_t stop = 0;
static void on_signal(int sig) {
    (void)sig;
    stop = 1;
}

static int host_window(Display* display, int width, int height) {
    Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, (unsigned)width,
                                        (unsigned)height, 0, 0, 0x204060);
    XStoreName(display, window, "bluvessa test host");
    XMapWindow(display, window);
    XSync(display, False);
    printf("%lu\n", (unsigned long)window);
    fflush(stdout);
    signal(SIGTERM, on_signal);
    signal(SIGINT, on_signal);
    while (!stop) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
        }
        usleep(20000);
    }
    XDestroyWindow(display, window);
    XSync(display, False);
    return 0;
}

/* The window's ancestor among the root's children: what the stacking order is about. */
static Window top_level(Display* display, Window window) {
    for (;;) {
        Window root = 0, parent = 0, *children = NULL;
        unsigned int count = 0;
        if (!XQueryTree(display, window, &root, &parent, &children, &count)) return 0;
        if (children) XFree(children);
        if (parent == root) return window;
        window = parent;
    }
}

static int overlap(const XWindowAttributes* a, const XWindowAttributes* b) {
    return a->x < b->x + b->width && b->x < a->x + a->width && a->y < b->y + b->height &&
           b->y < a->y + a->height;
}

static int in_front(Display* display, Window window) {
    XSetErrorHandler(note_error);
    Window top = top_level(display, window);
    XWindowAttributes mine;
    if (top == 0 || !XGetWindowAttributes(display, top, &mine) || mine.map_state != IsViewable) {
        printf("not shown\n");
        return 1;
    }
    Window root = 0, parent = 0, *children = NULL;
    unsigned int count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
        return 2;
    int covered = 0, above = 0; /* the children come bottom first */
    for (unsigned int i = 0; i < count && !covered; ++i) {
        XWindowAttributes other;
        if (children[i] == top)
            above = 1;
        else if (above && XGetWindowAttributes(display, children[i], &other) &&
                 other.map_state == IsViewable && overlap(&mine, &other)) {
            char* name = NULL;
            XFetchName(display, children[i], &name);
            printf("0x%lx \"%s\"\n", (unsigned long)children[i], name ? name : "");
            if (name) XFree(name);
            covered = 1;
        }
    }
    if (children) XFree(children);
    return covered;
}

int main(int argc, char** argv) {
    Display* display = XOpenDisplay(NULL);
    if (display == NULL) {
        fprintf(stderr, "x_test_helper: no display\n");
        return 2;
    }
    if (argc == 3 && strcmp(argv[1], "close") == 0)
        return close_window(display, (Window)strtoul(argv[2], NULL, 0));
    if (argc == 4 && strcmp(argv[1], "host") == 0)
        return host_window(display, atoi(argv[2]), atoi(argv[3]));
    if (argc == 3 && strcmp(argv[1], "front") == 0)
        return in_front(display, (Window)strtoul(argv[2], NULL, 0));
    fprintf(stderr, "usage: x_test_helper close <id> | host <width> <height> | front <id>\n");
    return 2;
}
