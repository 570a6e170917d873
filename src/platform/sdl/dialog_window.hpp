// A modal box in a window of its own: a message with OK, or a prompt with a text field, OK and Cancel.
#pragma once

#include "platform/clock.hpp"
#include "platform/dialog.hpp"
#include "platform/sdl/font_library.hpp"
#include "platform/sdl/form_painter.hpp"
#include "platform/line_edit.hpp"
#include "platform/sdl/sdl_handles.hpp"
#include "platform/sdl/text_painter.hpp"

#include <memory>
#include <optional>

namespace platform::sdl {

enum class DialogAction { none, ok, cancel };

// Where in the box a mouse press went down, so that only a release over the same button presses it.
enum class BoxButton { none, ok, cancel };

// Whether the box draws its own title strip: only when no window manager frames it with one.
enum class TitleStrip { from_window_manager, drawn };

// Sizes and places of a box's parts in window pixels, worked out from its text before the window exists.
struct BoxLayout {
    int width = 0;
    int height = 0;
    SDL_Rect title {}; // the drawn title strip; empty when the window manager draws the title
    SDL_Rect icon {};
    SDL_Rect text {};
    SDL_Rect ok {};
    SDL_Rect cancel {}; // empty on a message box
    SDL_Rect field {}; // empty on a message box
};

BoxLayout layout_box(Dialog const& dialog, FontLibrary& fonts, int scale, TitleStrip strip = TitleStrip::from_window_manager);

class DialogWindow {
public:
    // `over` is the window to centre the box over, null to centre it on the desktop; `owner` is
    // the window of the form that opened it (shown or not), which the box stays above.
    DialogWindow(Dialog& dialog, FontLibrary& fonts, Clock const& clock, int scale, SDL_Window* over, SDL_Window* owner,
        TitleStrip strip);
    ~DialogWindow();
    DialogWindow(DialogWindow const&) = delete;
    DialogWindow& operator=(DialogWindow const&) = delete;

    Dialog& dialog() const { return m_dialog; }
    SDL_Window* window() const { return m_window.get(); }
    Uint32 id() const { return SDL_GetWindowID(m_window.get()); }
    BoxLayout const& layout() const { return m_layout; }
    bool opened() const { return m_renderer != nullptr; }

    // One event for this box: its own window's events, and every key while it is the top box.
    // Updates the dialog's input text; the caller closes the box on ok or cancel.
    DialogAction handle(SDL_Event const& event);

    void raise();
    bool needs_redraw() const;
    void draw();
    // When the caret next blinks, for an input box.
    std::optional<Micros> next_blink() const;

private:
    DialogAction key(SDL_Keysym const& key);
    BoxButton button_at(int x, int y) const;
    void edited();
    bool caret_phase() const;

    Dialog& m_dialog;
    Clock const& m_clock;
    int m_scale = 1;
    BoxLayout m_layout;
    LineEdit m_edit;
    WindowPtr m_window;
    RendererPtr m_renderer;
    std::unique_ptr<TextPainter> m_text;
    std::unique_ptr<PictureTextures> m_pictures;
    BoxButton m_held = BoxButton::none;
    bool m_held_inside = false;
    int m_scroll = 0; // pixels of the field's text scrolled out at the left
    Micros m_blink_start = 0;
    bool m_dirty = true;
    bool m_drawn_phase = true;
};

}
