// What the game needs from an X11 desktop beyond SDL: X errors that never end the game, waiting
// on the display connection, classic dialog windows, and synthetic input for played runs.
#pragma once

#include <SDL.h>

#include <optional>
#include <string_view>

namespace platform::sdl::x11 {

// True when SDL's video runs on X11 and this build has the X11 libraries.
bool active();

// Replaces Xlib's default error handler, which ends the program, with one that prints each kind
// of error once and goes on. Call before SDL's video starts.
void install_error_handler();

// Waits until the display connection has input or `timeout_us` microseconds (-1: no limit) have
// passed; to the microsecond, so that timers wake on their grid rather than up to 1 ms after it.
// False when there is no X11 connection to wait on: the caller waits through SDL instead.
//
// SDL's own waiting wakes itself by sending a message from a second connection to one of the
// game's windows. That message can reach the server after the window was destroyed on the main
// connection — a box just closed — and Xlib's default handler then ended the game with BadWindow
// (X_SendEvent). Waiting here, and only polling SDL, means that message is never sent.
bool wait_for_input(SDL_Window* any_window, long long timeout_us);

// Whether a window manager runs on the display (it announces itself on the root window).
bool window_manager_running(SDL_Window* any_window);

// Makes a box a classic modal dialog before it is first shown: dialog window type, transient for
// its owner, modal state, and only a close button in its frame (no minimise or maximise).
void make_dialog(SDL_Window* box, SDL_Window* owner);

// Keeps a box above its owner's window, which may appear only after the box (a briefing shown
// while its screen loads).
void set_transient_for(SDL_Window* box, SDL_Window* owner);

// Asks the window manager to close the window as its close button does (WM_DELETE_WINDOW
// directly when no window manager runs).
void request_close(SDL_Window* window);

// Synthetic input through the X server (the XTEST extension), exactly as a real mouse and
// keyboard would send it; false when the extension is missing.
bool fake_pointer(SDL_Window* any_window, int screen_x, int screen_y);
bool fake_button(SDL_Window* any_window, int sdl_button, bool press);
// A key by its X keysym.
bool fake_key(SDL_Window* any_window, unsigned long keysym, bool press);
// Whether the keysym can be typed with the current keyboard map, and whether it needs Shift.
std::optional<bool> keysym_needs_shift(SDL_Window* any_window, unsigned long keysym);
// The X keysym of a key code of the game's keyboard handlers, if it has one.
std::optional<unsigned long> keysym_of_key_code(int code);
// Types text key by key (with Shift where the keyboard map needs it); false, having typed
// nothing, when some letter has no key on the current keyboard map.
bool type_text(SDL_Window* any_window, std::string_view text);
// Where a window's client area begins on the screen, as the X server has it now.
std::optional<SDL_Point> screen_origin(SDL_Window* window);
// Whether the window is what the screen shows at that point (no other window, nor a frame that
// is still on its way out, lies above it there).
bool shows_at(SDL_Window* window, int screen_x, int screen_y);
// Sends everything queued to the server and waits until it has been handled there.
void flush(SDL_Window* any_window);
// Gives the keyboard focus to a window (for keys a script sends to a form).
void focus(SDL_Window* window);

}
