// What changed on a form since it was last drawn, so that only those parts are drawn and sent.
#pragma once

#include "platform/sdl/form_painter.hpp"
#include "platform/sdl/form_pixels.hpp"
#include "platform/sdl/spans.hpp"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace platform {
class Form;
class Control;
}

namespace platform::sdl {

// How each kind of control looked when drawn, as plain fields: two looks are equal exactly when
// the control would be drawn the same way. Surveying every frame must stay cheap, so nothing is
// formatted, only copied.
struct SpriteLook {
    Picture const* picture = nullptr;
    friend bool operator==(SpriteLook const&, SpriteLook const&) = default;
};

struct LabelLook {
    Font font;
    Color fore;
    Color back;
    BackStyle back_style = BackStyle::transparent;
    Alignment alignment = Alignment::left;
    std::string caption;
    friend bool operator==(LabelLook const&, LabelLook const&) = default;
};

struct ButtonState {
    bool enabled = true;
    bool pressed = false;
    std::string caption;
    friend bool operator==(ButtonState const&, ButtonState const&) = default;
};

struct ShapeLook {
    ShapeKind kind = ShapeKind::rectangle;
    FillStyle fill_style = FillStyle::transparent;
    Color fill;
    Color border;
    double border_width = 0;
    friend bool operator==(ShapeLook const&, ShapeLook const&) = default;
};

struct LineLook {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    Color color;
    double width = 0;
    friend bool operator==(LineLook const&, LineLook const&) = default;
};

using ControlLook = std::variant<std::monostate, SpriteLook, LabelLook, ButtonState, ShapeLook, LineLook>;

// One drawn control: where it covered the target and how it looked.
struct DrawnControl {
    Control const* control = nullptr;
    SDL_Rect bounds {};
    ControlLook look;
};

// The form's own look: its size, colour and where and how large it lands in the target.
struct FormLook {
    int width = 0;
    int height = 0;
    int scale = 1;
    int x = 0;
    int y = 0;
    Color back;
    friend bool operator==(FormLook const&, FormLook const&) = default;
};

struct DrawnForm {
    FormLook look;
    std::vector<DrawnControl> controls;
};

// The pixels a control may touch when drawn.
SDL_Rect drawn_bounds(Control const& control, FormPixels const& px);

// How `form` would be drawn at `placement`, without drawing it.
DrawnForm survey(Form const& form, Placement placement, Control const* pressed);

// The areas that differ between two surveys, cut to the target's own `bounds`, none of them
// overlapping another; nothing when the whole form must be drawn again.
std::optional<Rects> damage(DrawnForm const& before, DrawnForm const& after, SDL_Rect const& bounds);

// Adds `area` to `areas`, which overlap nowhere, so that they still overlap nowhere and cover
// the same pixels as before plus those of `area` (and, where joining two into one rectangle is
// cheaper than keeping them apart, a few more).
void add_area(Rects& areas, SDL_Rect const& area);

}
