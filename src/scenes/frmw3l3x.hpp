// The World 3 intermission: shocks shake the farm, the Mecha Grawn appears with a howl, an
// explosion brings the barn down, and the boss fight begins. This screen counts in twips.
#pragma once

#include "screen/screen.hpp"

namespace scenes {

using namespace screen;

class frmw3l3x final : public Screen {
public:
    explicit frmw3l3x(Runtime& runtime);

    void Form_Load() override;
    void Form_Unload() override;

    // Bottom to top, in twips: the sky's sun and the field, the label, the barn, the picture
    // holders of its collapse, and the Mecha Grawn.
    Shape Shape1 { *this, "Shape1", { 6720, 120, 600, 600 },
        { .kind = ShapeKind::circle, .fill_style = FillStyle::solid, .fill = { 255, 224, 64 }, .border = { 224, 160, 0 }, .border_width = 2 } };
    Shape Shape2 { *this, "Shape2", { 0, 3240, 7815, 495 }, { .fill_style = FillStyle::solid, .fill = { 0, 128, 0 }, .border_width = 0 } };
    Label Label1 { *this, "Label1", { 120, 120, 2400, 375 }, { .font = { .size = 14, .weight = FontWeight::bold } }, "Intermission 3x" };
    Sprite imgbarn { *this, "imgbarn", { 0, 1080, 3375, 2535 } };
    Sprite imgbf1 { *this, "imgbf1", { 960, -1440, 3375, 2535 }, Visibility::hidden };
    Sprite imgbf2 { *this, "imgbf2", { 960, -1440, 3375, 2535 }, Visibility::hidden };
    Sprite imgbf3 { *this, "imgbf3", { 960, -1440, 3375, 2535 }, Visibility::hidden };
    Sprite imgbf4 { *this, "imgbf4", { 960, -1440, 3375, 2535 }, Visibility::hidden };
    Sprite imgboss { *this, "imgboss", { 4440, 1200, 3270, 2385 }, Visibility::hidden };

    Timer Timer1 { *this, "Timer1", 8000, Switch::on };
    Timer shake { *this, "shake", 25, Switch::off };
    Timer milkshake { *this, "milkshake", 25, Switch::off };

private:
    void Timer1_Timer();
    void shake_Timer();
    void milkshake_Timer();
};

}
