// The controls a form is made of: sprites, labels, buttons, shapes and lines, in declared order.
#pragma once

#include "platform/geometry.hpp"
#include "platform/picture.hpp"

#include <functional>
#include <string>

namespace platform {

class Form;

enum class ControlKind { sprite, label, button, shape, line, timer };
enum class Visibility { hidden, shown };
enum class Switch { off, on };

// Mouse buttons as the game numbers them.
inline constexpr int left_button = 1;
inline constexpr int right_button = 2;

struct MouseEvent {
    int button = left_button;
    int shift = 0;
    double x = 0; // relative to the control, in the form's units
    double y = 0;
};

class Control {
public:
    Control(Form& form, std::string name, ControlKind kind, Rect geometry, Visibility visibility = Visibility::shown);
    virtual ~Control();
    Control(Control const&) = delete;
    Control& operator=(Control const&) = delete;

    Form& form() const { return m_form; }
    std::string const& name() const { return m_name; }
    int index() const { return m_index; }
    // The name as scripts write it: "imgpig1", or "fire(3)" for an element of a control array.
    std::string display_name() const;
    ControlKind kind() const { return m_kind; }

    double left() const { return m_rect.left; }
    double top() const { return m_rect.top; }
    double width() const { return m_rect.width; }
    double height() const { return m_rect.height; }
    Rect const& rect() const { return m_rect; }
    void set_left(double left);
    void set_top(double top);
    void set_width(double width);
    void set_height(double height);
    void move(double left, double top);

    bool visible() const { return m_visible; }
    void show();
    void hide();
    bool enabled() const { return m_enabled; }
    void enable();
    void disable();

    // Only sprites, labels and buttons take the mouse; shapes and lines let clicks through.
    bool takes_mouse() const;

    std::function<void(MouseEvent const&)> on_mouse_down;
    std::function<void(MouseEvent const&)> on_mouse_up;
    std::function<void()> on_click;
    std::function<void()> on_dbl_click;

protected:
    void changed();
    void set_rect(Rect rect);
    virtual void enabled_changed() { }

private:
    template<typename T>
    friend class ControlArray;

    Form& m_form;
    std::string m_name;
    int m_index = -1;
    ControlKind m_kind;
    Rect m_rect;
    bool m_visible = true;
    bool m_enabled = true;
};

enum class Stretch { no, yes };

// A picture on the form; it takes the size of each picture it is given unless it stretches.
class Sprite : public Control {
public:
    Sprite(Form& form, std::string name, Rect geometry, Visibility visibility = Visibility::shown, Stretch stretch = Stretch::no);

    PicturePtr const& picture() const { return m_picture; }
    void set_picture(PicturePtr picture);
    // True when both show the very same picture object: how the game tells states apart.
    bool shows(PicturePtr const& picture) const { return m_picture && m_picture == picture; }
    Stretch stretch() const { return m_stretch; }

private:
    PicturePtr m_picture;
    Stretch m_stretch = Stretch::no;
};

enum class FontWeight { normal, bold };
enum class FontSlant { upright, italic };

struct Font {
    std::string face = "MS Sans Serif";
    double size = 8.25; // points
    FontWeight weight = FontWeight::normal;
    FontSlant slant = FontSlant::upright;
    friend bool operator==(Font const&, Font const&) = default;
};

enum class Alignment { left, center, right };
enum class BackStyle { transparent, opaque };

struct LabelStyle {
    Font font {};
    Color fore = colors::black;
    Color back = colors::button_face;
    BackStyle back_style = BackStyle::transparent;
    Alignment alignment = Alignment::left;
};

// Text that word-wraps within its width.
class Label : public Control {
public:
    Label(Form& form, std::string name, Rect geometry, LabelStyle style, std::string caption = {},
        Visibility visibility = Visibility::shown);

    std::string const& caption() const { return m_caption; }
    void set_caption(std::string caption);
    LabelStyle const& style() const { return m_style; }
    void set_fore(Color color);
    void set_back(Color color);
    void set_font(Font font);

private:
    LabelStyle m_style;
    std::string m_caption;
};

// A push button; `on_click` is its handler.
class Button : public Control {
public:
    Button(Form& form, std::string name, Rect geometry, std::string caption, Visibility visibility = Visibility::shown,
        Switch enabled = Switch::on);

    std::string const& caption() const { return m_caption; }
    void set_caption(std::string caption);

private:
    std::string m_caption;
};

enum class ShapeKind { rectangle, square, oval, circle };
enum class FillStyle { solid, transparent };

struct ShapeStyle {
    ShapeKind kind = ShapeKind::rectangle;
    FillStyle fill_style = FillStyle::transparent;
    Color fill = colors::black;
    Color border = colors::black;
    double border_width = 1; // pixels; 0 draws no border
};

class Shape : public Control {
public:
    Shape(Form& form, std::string name, Rect geometry, ShapeStyle style, Visibility visibility = Visibility::shown);
    ShapeStyle const& style() const { return m_style; }
    void set_fill(Color color);

private:
    ShapeStyle m_style;
};

struct LinePoints {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
};

class Line : public Control {
public:
    Line(Form& form, std::string name, LinePoints points, Color color = colors::black, double line_width = 1,
        Visibility visibility = Visibility::shown);
    LinePoints const& points() const { return m_points; }
    void set_points(LinePoints points);
    Color color() const { return m_color; }
    double line_width() const { return m_line_width; }

private:
    LinePoints m_points;
    Color m_color;
    double m_line_width = 1;
};

}
