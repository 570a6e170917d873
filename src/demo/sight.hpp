// What the player sees of one screen: its controls by name, where they stand and what they show,
// and where a click on one of them would land.
#pragma once

#include "demo/intent.hpp"
#include "platform/control.hpp"
#include "platform/form.hpp"
#include "platform/runtime.hpp"

#include <optional>
#include <random>
#include <string>

namespace demo {

enum class Button { left = platform::left_button, right = platform::right_button };

// Arrow keys, the space bar and what they are called in a dance caption.
namespace keys {
inline constexpr int left = 37;
inline constexpr int up = 38;
inline constexpr int right = 39;
inline constexpr int down = 40;
inline constexpr int space = 32;
}

class Sight {
public:
    // `aim` scatters clicks inside a sprite's visible part; null aims at its middle.
    Sight(platform::Runtime& runtime, platform::Form& form, std::mt19937* aim);

    platform::Form& form() const { return m_form; }
    // A number between the two, varied by the seed; their middle without one.
    double pick(double low, double high) const;
    // The game time of this look, in seconds.
    double now() const;

    platform::Control* control(std::string const& name, int index = -1) const;
    // The control exists and is shown.
    bool shown(std::string const& name, int index = -1) const;
    // Both show the same picture (a Grawn that looks like the flame is dead).
    bool looks_like(std::string const& name, std::string const& other, int other_index = -1) const;
    bool looks_like(std::string const& name, int index, std::string const& other, int other_index = -1) const;
    std::string caption(std::string const& name) const;
    // A button drawn in its usual colours, not greyed.
    bool usable(std::string const& name) const;
    double left(std::string const& name, int index = -1) const;
    double top(std::string const& name, int index = -1) const;
    double width(std::string const& name, int index = -1) const;

    // A click on the control where it stands now, or nothing when it cannot be hit: hidden,
    // outside the window, or covered where the click would land.
    std::optional<Intent> click(std::string const& name, Button button = Button::left, int index = -1) const;
    std::optional<Intent> double_click(std::string const& name) const;
    Intent key(int code) const;
    Intent close() const;

private:
    std::optional<platform::Rect> visible_part(platform::Control const& control) const;

    platform::Runtime& m_runtime;
    platform::Form& m_form;
    std::mt19937* m_aim;
};

}
