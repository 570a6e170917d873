// Reading a screen as the player sees it, and aiming clicks at what is on top.
#include "demo/sight.hpp"

#include <algorithm>

namespace demo {

using platform::Control;
using platform::Rect;
using platform::ScriptCommand;
using platform::Verb;

namespace {

// A sprite has to show at least this much of itself inside the window to be aimed at.
constexpr double smallest_target = 6;
// Scattered clicks land within this share of the visible part, around its middle.
constexpr double scatter = 0.5;

ScriptCommand command_on(platform::Form const& form, Verb verb)
{
    ScriptCommand command;
    command.verb = verb;
    command.target.form = form.name();
    command.target.text = form.name();
    return command;
}

Intent act(ScriptCommand command)
{
    Intent intent;
    intent.kind = Intent::Kind::act;
    intent.command = std::move(command);
    return intent;
}

}

Sight::Sight(platform::Runtime& runtime, platform::Form& form, std::mt19937* aim)
    : m_runtime(runtime)
    , m_form(form)
    , m_aim(aim)
{
}

double Sight::pick(double low, double high) const
{
    if (!m_aim)
        return (low + high) / 2;
    return std::uniform_real_distribution<double>(low, high)(*m_aim);
}

double Sight::now() const { return static_cast<double>(m_runtime.clock().now()) / 1e6; }

Control* Sight::control(std::string const& name, int index) const { return m_form.find_control(name, index); }

bool Sight::shown(std::string const& name, int index) const
{
    auto const* found = control(name, index);
    return found && found->visible();
}

bool Sight::looks_like(std::string const& name, std::string const& other, int other_index) const
{
    return looks_like(name, -1, other, other_index);
}

bool Sight::looks_like(std::string const& name, int index, std::string const& other, int other_index) const
{
    auto const* a = dynamic_cast<platform::Sprite const*>(control(name, index));
    auto const* b = dynamic_cast<platform::Sprite const*>(control(other, other_index));
    return a && b && a->picture() && a->picture() == b->picture();
}

std::string Sight::caption(std::string const& name) const
{
    auto const* found = control(name);
    if (auto const* label = dynamic_cast<platform::Label const*>(found))
        return label->caption();
    if (auto const* button = dynamic_cast<platform::Button const*>(found))
        return button->caption();
    return {};
}

bool Sight::usable(std::string const& name) const
{
    auto const* found = control(name);
    return found && found->visible() && found->enabled();
}

double Sight::left(std::string const& name, int index) const { return control(name, index)->left(); }
double Sight::top(std::string const& name, int index) const { return control(name, index)->top(); }
double Sight::width(std::string const& name, int index) const { return control(name, index)->width(); }

std::optional<Rect> Sight::visible_part(Control const& target) const
{
    if (!target.visible())
        return {};
    Rect const& r = target.rect();
    double const left = std::max(r.left, 0.0);
    double const top = std::max(r.top, 0.0);
    double const right = std::min(r.left + r.width, m_form.scale_width());
    double const bottom = std::min(r.top + r.height, m_form.scale_height());
    double const least = smallest_target * m_form.units_per_pixel();
    if (right - left < least || bottom - top < least)
        return {};
    return Rect { left, top, right - left, bottom - top };
}

std::optional<Intent> Sight::click(std::string const& name, Button button, int index) const
{
    auto* target = control(name, index);
    if (!target)
        return {};
    auto const part = visible_part(*target);
    if (!part)
        return {};
    double x = part->left + part->width / 2;
    double y = part->top + part->height / 2;
    if (m_aim) {
        std::uniform_real_distribution<double> spread(-scatter / 2, scatter / 2);
        x += spread(*m_aim) * part->width;
        y += spread(*m_aim) * part->height;
    }
    // What the player sees at that spot is what the click reaches; the middle is tried too.
    if (m_form.hit_test(x, y) != target) {
        x = part->left + part->width / 2;
        y = part->top + part->height / 2;
        if (m_form.hit_test(x, y) != target)
            return {};
    }
    bool const whole = part->width == target->width() && part->height == target->height();
    bool const middle = x == target->left() + target->width() / 2 && y == target->top() + target->height() / 2;
    ScriptCommand command;
    if (whole && middle) {
        command = command_on(m_form, Verb::click);
        command.target.control = target->name();
        if (target->index() >= 0)
            command.target.index = target->index();
        command.target.text = m_form.name() + "." + target->display_name();
    } else {
        command = command_on(m_form, Verb::clickat);
        command.point = platform::PointKind::position;
        command.x = x / m_form.units_per_pixel();
        command.y = y / m_form.units_per_pixel();
    }
    command.button = static_cast<int>(button);
    auto intent = act(std::move(command));
    intent.aim = target->display_name();
    return intent;
}

std::optional<Intent> Sight::double_click(std::string const& name) const
{
    auto* target = control(name);
    if (!target || !visible_part(*target))
        return {};
    double const x = target->left() + target->width() / 2;
    double const y = target->top() + target->height() / 2;
    if (m_form.hit_test(x, y) != target || x >= m_form.scale_width() || y >= m_form.scale_height())
        return {};
    auto command = command_on(m_form, Verb::dblclick);
    command.target.control = target->name();
    command.target.text = m_form.name() + "." + target->display_name();
    auto intent = act(std::move(command));
    intent.aim = target->display_name();
    return intent;
}

Intent Sight::key(int code) const
{
    auto command = command_on(m_form, Verb::key);
    command.key = code;
    return act(std::move(command));
}

Intent Sight::close() const { return act(command_on(m_form, Verb::close)); }

}
