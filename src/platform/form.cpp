// Form life cycle, window position and hit testing.
#include "platform/form.hpp"

#include "platform/runtime.hpp"

#include <algorithm>

namespace platform {

Form::Form(Runtime& runtime, std::string name, FormStyle style)
    : m_runtime(runtime)
    , m_name(std::move(name))
    , m_style(std::move(style))
{
}

Form::~Form() = default;

void Form::set_caption(std::string caption)
{
    m_style.caption = std::move(caption);
    invalidate();
}

void Form::show()
{
    if (!m_loaded) {
        m_loaded = true;
        m_loading = true;
        m_hidden_during_load = false;
        m_runtime.trace("load " + m_name);
        Form_Load();
        m_loading = false;
        if (m_hidden_during_load)
            return;
    }
    if (m_visible)
        return;
    if (!m_placed) {
        auto const place = m_runtime.backend().place_window(*this);
        m_window_left = place.left;
        m_window_top = place.top;
        m_placed = true;
    }
    m_visible = true;
    m_dirty = true;
    m_runtime.form_shown(*this);
}

void Form::hide()
{
    if (m_loading)
        m_hidden_during_load = true;
    m_runtime.close_dialogs_of(*this);
    if (!m_visible)
        return;
    m_visible = false;
    m_runtime.form_hidden(*this);
}

void Form::unload()
{
    m_runtime.trace("unload " + m_name);
    m_runtime.close_dialogs_of(*this);
    Form_Unload();
    // In this game, unloading any window ends the whole program.
    m_runtime.end_program();
}

void Form::set_window_left(double left) { move_window(left, m_window_top); }
void Form::set_window_top(double top) { move_window(m_window_left, top); }

void Form::move_window(double left, double top)
{
    if (left == m_window_left && top == m_window_top)
        return;
    m_window_left = left;
    m_window_top = top;
    m_placed = true;
    if (m_visible)
        m_runtime.backend().window_moved(*this);
}

Control* Form::find_control(std::string const& name, int index) const
{
    for (auto* control : m_controls) {
        if (control->name() == name && control->index() == index)
            return control;
    }
    return nullptr;
}

Control* Form::hit_test(double x, double y) const
{
    auto const takes = [&](Control const* c) { return c->takes_mouse() && c->visible() && c->enabled() && c->rect().contains(x, y); };
    for (auto it = m_controls.rbegin(); it != m_controls.rend(); ++it) {
        if ((*it)->kind() == ControlKind::button && takes(*it))
            return *it;
    }
    for (auto it = m_controls.rbegin(); it != m_controls.rend(); ++it) {
        if ((*it)->kind() != ControlKind::button && takes(*it))
            return *it;
    }
    return nullptr;
}

void Form::invalidate() { m_dirty = true; }

void Form::remove_control(Control& control) { std::erase(m_controls, &control); }

}
