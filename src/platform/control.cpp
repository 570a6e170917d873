// Control properties; every visible change marks the form for a redraw.
#include "platform/control.hpp"

#include "platform/form.hpp"

#include <algorithm>

namespace platform {

Control::Control(Form& form, std::string name, ControlKind kind, Rect geometry, Visibility visibility)
    : m_form(form)
    , m_name(std::move(name))
    , m_kind(kind)
    , m_rect(geometry)
    , m_visible(visibility == Visibility::shown)
{
    m_form.add_control(*this);
}

Control::~Control() { m_form.remove_control(*this); }

std::string Control::display_name() const
{
    if (m_index < 0)
        return m_name;
    return m_name + "(" + std::to_string(m_index) + ")";
}

void Control::changed() { m_form.invalidate(); }

void Control::set_rect(Rect rect)
{
    if (rect == m_rect)
        return;
    m_rect = rect;
    changed();
}

void Control::set_left(double left) { set_rect({ left, m_rect.top, m_rect.width, m_rect.height }); }
void Control::set_top(double top) { set_rect({ m_rect.left, top, m_rect.width, m_rect.height }); }
void Control::set_width(double width) { set_rect({ m_rect.left, m_rect.top, width, m_rect.height }); }
void Control::set_height(double height) { set_rect({ m_rect.left, m_rect.top, m_rect.width, height }); }
void Control::move(double left, double top) { set_rect({ left, top, m_rect.width, m_rect.height }); }

void Control::show()
{
    if (m_visible)
        return;
    m_visible = true;
    changed();
}

void Control::hide()
{
    if (!m_visible)
        return;
    m_visible = false;
    changed();
}

void Control::enable()
{
    if (m_enabled)
        return;
    m_enabled = true;
    changed();
    enabled_changed();
}

void Control::disable()
{
    if (!m_enabled)
        return;
    m_enabled = false;
    changed();
    enabled_changed();
}

bool Control::takes_mouse() const
{
    return m_kind == ControlKind::sprite || m_kind == ControlKind::label || m_kind == ControlKind::button;
}

Sprite::Sprite(Form& form, std::string name, Rect geometry, Visibility visibility, Stretch stretch)
    : Control(form, std::move(name), ControlKind::sprite, geometry, visibility)
    , m_stretch(stretch)
{
}

void Sprite::set_picture(PicturePtr picture)
{
    if (picture == m_picture)
        return;
    m_picture = std::move(picture);
    if (m_picture && m_stretch == Stretch::no) {
        // Pictures are measured in pixels; a twips form counts fifteen units to the pixel.
        double const unit = form().units_per_pixel();
        set_rect({ left(), top(), m_picture->width() * unit, m_picture->height() * unit });
    }
    changed();
}

Label::Label(Form& form, std::string name, Rect geometry, LabelStyle style, std::string caption, Visibility visibility)
    : Control(form, std::move(name), ControlKind::label, geometry, visibility)
    , m_style(std::move(style))
    , m_caption(std::move(caption))
{
}

void Label::set_caption(std::string caption)
{
    if (caption == m_caption)
        return;
    m_caption = std::move(caption);
    changed();
}

void Label::set_fore(Color color)
{
    m_style.fore = color;
    changed();
}

void Label::set_back(Color color)
{
    m_style.back = color;
    changed();
}

void Label::set_font(Font font)
{
    m_style.font = std::move(font);
    changed();
}

Button::Button(Form& form, std::string name, Rect geometry, std::string caption, Visibility visibility, Switch enabled)
    : Control(form, std::move(name), ControlKind::button, geometry, visibility)
    , m_caption(std::move(caption))
{
    if (enabled == Switch::off)
        disable();
}

void Button::set_caption(std::string caption)
{
    if (caption == m_caption)
        return;
    m_caption = std::move(caption);
    changed();
}

Shape::Shape(Form& form, std::string name, Rect geometry, ShapeStyle style, Visibility visibility)
    : Control(form, std::move(name), ControlKind::shape, geometry, visibility)
    , m_style(style)
{
}

void Shape::set_fill(Color color)
{
    m_style.fill = color;
    changed();
}

namespace {
Rect bounds_of(LinePoints const& p)
{
    return { std::min(p.x1, p.x2), std::min(p.y1, p.y2), std::abs(p.x2 - p.x1), std::abs(p.y2 - p.y1) };
}
}

Line::Line(Form& form, std::string name, LinePoints points, Color color, double line_width, Visibility visibility)
    : Control(form, std::move(name), ControlKind::line, bounds_of(points), visibility)
    , m_points(points)
    , m_color(color)
    , m_line_width(line_width)
{
}

void Line::set_points(LinePoints points)
{
    m_points = points;
    set_rect(bounds_of(points));
    changed();
}

}
