// What changed on a form since it was last drawn, so that only those parts are drawn and sent.
#pragma once

#include "platform/sdl/form_painter.hpp"
#include "platform/sdl/form_pixels.hpp"
#include "platform/sdl/spans.hpp"

#include <optional>
#include <string>
#include <vector>

namespace platform {
class Form;
class Control;
}

namespace platform::sdl {

// One drawn control: where it covered the target and a summary of how it looked.
struct DrawnControl {
    Control const* control = nullptr;
    SDL_Rect bounds {};
    std::string look;
};

struct DrawnForm {
    std::string look; // the form's own: size, colour, placement
    std::vector<DrawnControl> controls;
};

// The pixels a control may touch when drawn.
SDL_Rect drawn_bounds(Control const& control, FormPixels const& px);

// How `form` would be drawn at `placement`, without drawing it.
DrawnForm survey(Form const& form, Placement placement, Control const* pressed);

// The areas that differ between two surveys, cut to the target's own `bounds`; nothing when the
// whole form must be drawn again.
std::optional<Rects> damage(DrawnForm const& before, DrawnForm const& after, SDL_Rect const& bounds);

}
