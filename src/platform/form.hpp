// A window of the game: its controls in declared order, its handlers, and its life cycle.
#pragma once

#include "platform/control.hpp"
#include "platform/geometry.hpp"

#include <optional>
#include <string>
#include <vector>

namespace platform {

class Runtime;

// Most forms count in pixels; one counts in twips, fifteen to the pixel.
enum class ScaleUnit { pixel, twip };

inline constexpr int twips_per_pixel = 15;

struct FormStyle {
    std::string caption;
    int width = 0; // client area in pixels
    int height = 0;
    Color back = colors::button_face;
    ScaleUnit unit = ScaleUnit::pixel;
};

class Form {
public:
    Form(Runtime& runtime, std::string name, FormStyle style);
    virtual ~Form();
    Form(Form const&) = delete;
    Form& operator=(Form const&) = delete;

    // Handlers, named as the game names them.
    virtual void Form_Load() { }
    virtual void Form_Unload() { }
    virtual void Form_KeyDown(int /*key_code*/, int /*shift*/) { }
    virtual void Form_KeyUp(int /*key_code*/, int /*shift*/) { }

    Runtime& runtime() const { return m_runtime; }
    std::string const& name() const { return m_name; }
    std::string const& caption() const { return m_style.caption; }
    void set_caption(std::string caption);
    Color back_color() const { return m_style.back; }
    int client_width() const { return m_style.width; }
    int client_height() const { return m_style.height; }
    ScaleUnit scale_unit() const { return m_style.unit; }
    // Form units per pixel: 1, or 15 on a twips form.
    int units_per_pixel() const { return m_style.unit == ScaleUnit::twip ? twips_per_pixel : 1; }
    double scale_width() const { return m_style.width * units_per_pixel(); }
    double scale_height() const { return m_style.height * units_per_pixel(); }

    // Life cycle: the first show loads the form (Form_Load) and then displays it, unless it was
    // hidden during its own load. Unloading runs Form_Unload and ends the program.
    bool loaded() const { return m_loaded; }
    bool visible() const { return m_visible; }
    void show();
    void hide();
    [[noreturn]] void unload();

    // The window's place on the desktop, in twips; moving it is how the screen shakes.
    double window_left() const { return m_window_left; }
    double window_top() const { return m_window_top; }
    void set_window_left(double left);
    void set_window_top(double top);
    void move_window(double left, double top);

    std::vector<Control*> const& controls() const { return m_controls; }
    Control* find_control(std::string const& name, int index = -1) const;
    // The topmost visible, enabled control that takes the mouse at (x, y) in form units: buttons
    // above everything else, then later-declared controls above earlier ones.
    Control* hit_test(double x, double y) const;

    void invalidate();
    bool needs_redraw() const { return m_dirty; }
    void mark_drawn() { m_dirty = false; }

private:
    friend class Control;
    void add_control(Control& control) { m_controls.push_back(&control); }
    void remove_control(Control& control);

    Runtime& m_runtime;
    std::string m_name;
    FormStyle m_style;
    std::vector<Control*> m_controls;
    bool m_loaded = false;
    bool m_loading = false;
    bool m_hidden_during_load = false;
    bool m_visible = false;
    bool m_placed = false;
    bool m_dirty = true;
    double m_window_left = 0;
    double m_window_top = 0;
};

}
