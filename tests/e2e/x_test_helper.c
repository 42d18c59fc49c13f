/* Small X11 chores the end-to-end tests need and xdotool lacks:
 *   x_test_helper close <window-id>     ask a window to close (WM_DELETE_WINDOW), as a title bar would
 *   x_test_helper host <width> <height> make a plain window, print its id, keep it until killed
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
static int note_error(Display *display, XErrorEvent *error) {
    (void)display;
    (void)error;
    bad_window = 1;
    return 0;
}

static int close_window(Display *display, Window window) {
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
static void on_signal(int sig) { (void)sig; stop = 1; }

static int host_window(Display *display, int width, int height) {
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

int main(int argc, char **argv) {
    Display *display = XOpenDisplay(NULL);
    if (display == NULL) {
        fprintf(stderr, "x_test_helper: no display\n");
        return 2;
    }
    if (argc == 3 && strcmp(argv[1], "close") == 0)
        return close_window(display, (Window)strtoul(argv[2], NULL, 0));
    if (argc == 4 && strcmp(argv[1], "host") == 0)
        return host_window(display, atoi(argv[2]), atoi(argv[3]));
    fprintf(stderr, "usage: x_test_helper close <id> | host <width> <height>\n");
    return 2;
}
