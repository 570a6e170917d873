// The window of one form: client area at the window scale, fullscreen view, and its place.
#pragma once

#include "platform/sdl/damage.hpp"
#include "platform/sdl/form_painter.hpp"
#include "platform/sdl/sdl_handles.hpp"

#include <optional>
#include <string>

namespace platform {
class Form;
class Control;
}

namespace platform::sdl {

enum class ScreenMode { windowed, fullscreen };

struct FormPoint {
    double x = 0; // form units
    double y = 0;
};

class FormWindow {
public:
    FormWindow(Form& form, FontLibrary& fonts, int scale, SDL_Point position);
    ~FormWindow();
    FormWindow(FormWindow const&) = delete;
    FormWindow& operator=(FormWindow const&) = delete;

    // False when SDL could not make the window: the form is then not drawn.
    bool opened() const { return m_window != nullptr; }
    Form& form() const { return m_form; }
    SDL_Window* window() const { return m_window.get(); }
    Uint32 id() const { return SDL_GetWindowID(m_window.get()); }

    void show(ScreenMode mode);
    void hide();
    void raise();
    void set_mode(ScreenMode mode);
    ScreenMode mode() const { return m_mode; }

    // Moves the real window so that its client area's top-left is at `position`.
    void move_to(SDL_Point position);
    // Shifts the picture inside a window that stays put (the shake of a fullscreen view, or of a
    // window whose moves are too slow), in pixels of the form.
    void set_picture_offset(SDL_Point offset);

    // Something on the form changed: draw what differs at the next frame.
    void invalidate() { m_dirty = true; }
    // The window lost its picture or changed size: draw and send all of it.
    void invalidate_all();
    // The window's size changed: its surface and what draws into it are made anew.
    void resized();
    bool needs_redraw() const { return m_dirty; }
    void draw(Control const* pressed);

    // A point of the window in the form's own units, whole pixels of the form; points off the
    // client area give coordinates outside the form.
    FormPoint to_form(int x, int y) const;
    // The screen pixel at the middle of the form's pixel under a point in form units; nothing when
    // the window's place on the screen cannot be learnt.
    std::optional<SDL_Point> to_screen(FormPoint point) const;

private:
    Placement placement() const;
    bool attach_surface();

    Form& m_form;
    FontLibrary& m_fonts;
    int m_scale = 1;
    WindowPtr m_window;
    // Drawing goes straight into the window's own surface, so that only the parts that changed
    // need to be sent to the display.
    SDL_Surface* m_surface = nullptr;
    // A new surface can land where the old one was freed, so its size tells them apart too.
    SDL_Point m_surface_size {};
    RendererPtr m_renderer;
    std::unique_ptr<FormPainter> m_painter;
    std::optional<DrawnForm> m_drawn; // what the window shows now; nothing when unknown
    ScreenMode m_mode = ScreenMode::windowed;
    SDL_Point m_offset {};
    // Without a window manager nobody answers a request for fullscreen: the window itself is
    // moved and sized to cover the display, and put back from here afterwards.
    std::optional<SDL_Rect> m_windowed_frame;
    std::string m_title;
    bool m_dirty = true;
};

}
