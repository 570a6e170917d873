// The X11 side of real windows, reached through the display connection SDL opened.
#include "platform/sdl/x11_desktop.hpp"

#if GRAWN2_HAVE_X11

#include <SDL_syswm.h>
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/keysym.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <poll.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <mutex>
#include <set>
#include <string_view>
#include <utility>
#include <vector>

namespace platform::sdl::x11 {

namespace {

struct Native {
    Display* display = nullptr;
    Window window = 0;
};

Native native(SDL_Window* window)
{
    if (!window)
        return {};
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return {};
    return { info.info.x11.display, info.info.x11.window };
}

std::mutex reported_mutex;
std::set<std::pair<int, int>> reported; // (error code, request code) already printed

int on_x_error(Display* display, XErrorEvent* error)
{
    std::lock_guard lock(reported_mutex);
    if (!reported.insert({ error->error_code, error->request_code }).second)
        return 0;
    char text[160] = {};
    XGetErrorText(display, error->error_code, text, sizeof text);
    std::fprintf(stderr, "grawn2: X error ignored: %s (request %d, resource 0x%lx); the game goes on\n", text,
        static_cast<int>(error->request_code), static_cast<unsigned long>(error->resourceid));
    return 0;
}

Atom atom(Display* display, char const* name) { return XInternAtom(display, name, False); }

// The frame functions and decorations of the Motif window manager hints, which current window
// managers still read: a box can be moved and closed, never minimised, maximised or resized.
struct MotifHints {
    unsigned long flags = 0;
    unsigned long functions = 0;
    unsigned long decorations = 0;
    long input_mode = 0;
    unsigned long status = 0;
};
constexpr unsigned long motif_functions = 1 << 0;
constexpr unsigned long motif_decorations = 1 << 1;
constexpr unsigned long motif_function_move = 1 << 2;
constexpr unsigned long motif_function_close = 1 << 5;
constexpr unsigned long motif_decoration_border = 1 << 1;
constexpr unsigned long motif_decoration_title = 1 << 3;
constexpr unsigned long motif_decoration_menu = 1 << 4;

}

bool active()
{
    char const* driver = SDL_GetCurrentVideoDriver();
    return driver && std::string_view(driver) == "x11";
}

void install_error_handler() { XSetErrorHandler(on_x_error); }

bool wait_for_input(SDL_Window* any_window, long long timeout_us)
{
    auto const [display, window] = native(any_window);
    if (!display)
        return false;
    // Events already read off the connection by an earlier call wait in Xlib, not on the socket.
    if (XEventsQueued(display, QueuedAlready) > 0)
        return true;
    XFlush(display);
    pollfd fd { ConnectionNumber(display), POLLIN, 0 };
    timespec const timeout { static_cast<time_t>(timeout_us / 1'000'000), static_cast<long>(timeout_us % 1'000'000) * 1000 };
    ppoll(&fd, 1, timeout_us < 0 ? nullptr : &timeout, nullptr);
    return true;
}

namespace {

// The window named by `property` on `window`, if there is one; errors (a window that is gone) are
// caught here rather than reported.
std::optional<Window> window_property(Display* display, Window window, Atom property)
{
    static bool failed = false;
    failed = false;
    XSync(display, False);
    auto* previous = XSetErrorHandler([](Display*, XErrorEvent*) {
        failed = true;
        return 0;
    });
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::optional<Window> found;
    if (XGetWindowProperty(display, window, property, 0, 1, False, XA_WINDOW, &type, &format, &count, &after, &data) == Success && data) {
        if (type == XA_WINDOW && format == 32 && count == 1)
            found = *reinterpret_cast<Window const*>(data);
        XFree(data);
    }
    XSync(display, False);
    XSetErrorHandler(previous);
    if (failed)
        return std::nullopt;
    return found;
}

}

bool window_manager_running(SDL_Window* any_window)
{
    auto const [display, window] = native(any_window);
    if (!display)
        return true; // not X11: the desktop draws the frames
    // A running window manager names a window of its own on the root window, and that window
    // names itself; one that has quit leaves a stale name behind.
    Atom const check = atom(display, "_NET_SUPPORTING_WM_CHECK");
    auto const named = window_property(display, DefaultRootWindow(display), check);
    return named && window_property(display, *named, check) == named;
}

void make_dialog(SDL_Window* box, SDL_Window* owner)
{
    auto const [display, window] = native(box);
    if (!display)
        return;
    Atom const dialog_type = atom(display, "_NET_WM_WINDOW_TYPE_DIALOG");
    XChangeProperty(display, window, atom(display, "_NET_WM_WINDOW_TYPE"), XA_ATOM, 32, PropModeReplace,
        reinterpret_cast<unsigned char const*>(&dialog_type), 1);
    Atom const modal = atom(display, "_NET_WM_STATE_MODAL");
    XChangeProperty(display, window, atom(display, "_NET_WM_STATE"), XA_ATOM, 32, PropModeReplace,
        reinterpret_cast<unsigned char const*>(&modal), 1);
    MotifHints hints;
    hints.flags = motif_functions | motif_decorations;
    hints.functions = motif_function_move | motif_function_close;
    hints.decorations = motif_decoration_border | motif_decoration_title | motif_decoration_menu;
    Atom const motif = atom(display, "_MOTIF_WM_HINTS");
    XChangeProperty(display, window, motif, motif, 32, PropModeReplace, reinterpret_cast<unsigned char const*>(&hints), 5);
    set_transient_for(box, owner);
    XFlush(display);
}

void set_transient_for(SDL_Window* box, SDL_Window* owner)
{
    auto const child = native(box);
    auto const parent = native(owner);
    if (!child.display || child.display != parent.display || !parent.window)
        return;
    XSetTransientForHint(child.display, child.window, parent.window);
    XFlush(child.display);
}

void request_close(SDL_Window* target)
{
    auto const [display, window] = native(target);
    if (!display)
        return;
    XEvent event {};
    event.xclient.type = ClientMessage;
    event.xclient.format = 32;
    event.xclient.window = window;
    if (window_manager_running(target)) {
        event.xclient.message_type = atom(display, "_NET_CLOSE_WINDOW");
        event.xclient.data.l[0] = CurrentTime;
        event.xclient.data.l[1] = 2; // from a pager or script, not the application
        XSendEvent(display, DefaultRootWindow(display), False, SubstructureNotifyMask | SubstructureRedirectMask, &event);
    } else {
        event.xclient.message_type = atom(display, "WM_PROTOCOLS");
        event.xclient.data.l[0] = static_cast<long>(atom(display, "WM_DELETE_WINDOW"));
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, window, False, NoEventMask, &event);
    }
    XFlush(display);
}

namespace {

Display* test_display(SDL_Window* any_window)
{
    Display* display = native(any_window).display;
    int event_base = 0;
    int error_base = 0;
    int major = 0;
    int minor = 0;
    if (!display || !XTestQueryExtension(display, &event_base, &error_base, &major, &minor))
        return nullptr;
    return display;
}

}

bool fake_pointer(SDL_Window* any_window, int screen_x, int screen_y)
{
    Display* display = test_display(any_window);
    if (!display)
        return false;
    XTestFakeMotionEvent(display, -1, screen_x, screen_y, CurrentTime);
    XFlush(display);
    return true;
}

bool fake_button(SDL_Window* any_window, int sdl_button, bool press)
{
    Display* display = test_display(any_window);
    if (!display)
        return false;
    unsigned int const button = sdl_button == SDL_BUTTON_RIGHT ? Button3 : sdl_button == SDL_BUTTON_MIDDLE ? Button2 : Button1;
    XTestFakeButtonEvent(display, button, press ? True : False, CurrentTime);
    XFlush(display);
    return true;
}

std::optional<bool> keysym_needs_shift(SDL_Window* any_window, unsigned long keysym)
{
    Display* display = native(any_window).display;
    if (!display)
        return std::nullopt;
    KeyCode const code = XKeysymToKeycode(display, keysym);
    if (code == 0)
        return std::nullopt;
    if (XkbKeycodeToKeysym(display, code, 0, 0) == keysym)
        return false;
    if (XkbKeycodeToKeysym(display, code, 0, 1) == keysym)
        return true;
    return std::nullopt;
}

bool fake_key(SDL_Window* any_window, unsigned long keysym, bool press)
{
    Display* display = test_display(any_window);
    if (!display)
        return false;
    KeyCode const code = XKeysymToKeycode(display, keysym);
    if (code == 0)
        return false;
    XTestFakeKeyEvent(display, code, press ? True : False, CurrentTime);
    XFlush(display);
    return true;
}

std::optional<unsigned long> keysym_of_key_code(int code)
{
    if (code >= 'A' && code <= 'Z')
        return XK_a + (code - 'A');
    if (code >= '0' && code <= '9')
        return XK_0 + (code - '0');
    if (code >= 112 && code <= 123)
        return XK_F1 + (code - 112);
    switch (code) {
    case 8: return XK_BackSpace;
    case 9: return XK_Tab;
    case 13: return XK_Return;
    case 16: return XK_Shift_L;
    case 17: return XK_Control_L;
    case 18: return XK_Alt_L;
    case 27: return XK_Escape;
    case 32: return XK_space;
    case 33: return XK_Prior;
    case 34: return XK_Next;
    case 35: return XK_End;
    case 36: return XK_Home;
    case 37: return XK_Left;
    case 38: return XK_Up;
    case 39: return XK_Right;
    case 40: return XK_Down;
    case 45: return XK_Insert;
    case 46: return XK_Delete;
    default: return std::nullopt;
    }
}

bool type_text(SDL_Window* any_window, std::string_view text)
{
    struct Stroke {
        KeySym keysym;
        bool shift;
    };
    std::vector<Stroke> strokes;
    for (unsigned char c : text) {
        // Printable ASCII letters are their own keysyms; anything else goes another way.
        if (c < 0x20 || c > 0x7e)
            return false;
        auto const shift = keysym_needs_shift(any_window, c);
        if (!shift)
            return false;
        strokes.push_back({ c, *shift });
    }
    for (auto const& stroke : strokes) {
        if (stroke.shift)
            fake_key(any_window, XK_Shift_L, true);
        fake_key(any_window, stroke.keysym, true);
        fake_key(any_window, stroke.keysym, false);
        if (stroke.shift)
            fake_key(any_window, XK_Shift_L, false);
    }
    return true;
}

std::optional<SDL_Point> screen_origin(SDL_Window* target)
{
    auto const [display, window] = native(target);
    if (!display)
        return std::nullopt;
    int x = 0;
    int y = 0;
    Window child = 0;
    if (!XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child))
        return std::nullopt;
    return SDL_Point { x, y };
}

bool shows_at(SDL_Window* target, int screen_x, int screen_y)
{
    auto const [display, window] = native(target);
    if (!display)
        return true;
    Window const root = DefaultRootWindow(display);
    int x = 0;
    int y = 0;
    Window top = 0;
    // The top-level window at the point: a frame of the window manager, or a window of its own.
    if (!XTranslateCoordinates(display, root, root, screen_x, screen_y, &x, &y, &top) || top == 0)
        return false;
    // Ours if it is, or holds, the game's window.
    for (Window at = window; at != 0 && at != root;) {
        if (at == top)
            return true;
        Window parent = 0;
        Window found_root = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display, at, &found_root, &parent, &children, &count))
            return false;
        if (children)
            XFree(children);
        at = parent;
    }
    return false;
}

void flush(SDL_Window* any_window)
{
    if (Display* display = native(any_window).display)
        XSync(display, False);
}

void focus(SDL_Window* target)
{
    auto const [display, window] = native(target);
    if (!display)
        return;
    SDL_RaiseWindow(target);
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
    XFlush(display);
}

}

#else

namespace platform::sdl::x11 {

bool active() { return false; }
void install_error_handler() { }
bool wait_for_input(SDL_Window*, long long) { return false; }
bool window_manager_running(SDL_Window*) { return true; }
void make_dialog(SDL_Window*, SDL_Window*) { }
void set_transient_for(SDL_Window*, SDL_Window*) { }
void request_close(SDL_Window*) { }
bool fake_pointer(SDL_Window*, int, int) { return false; }
bool fake_button(SDL_Window*, int, bool) { return false; }
bool fake_key(SDL_Window*, unsigned long, bool) { return false; }
std::optional<bool> keysym_needs_shift(SDL_Window*, unsigned long) { return std::nullopt; }
std::optional<unsigned long> keysym_of_key_code(int) { return std::nullopt; }
bool type_text(SDL_Window*, std::string_view) { return false; }
std::optional<SDL_Point> screen_origin(SDL_Window*) { return std::nullopt; }
bool shows_at(SDL_Window*, int, int) { return true; }
void flush(SDL_Window*) { }
void focus(SDL_Window*) { }

}

#endif
