// "Revoda owns Brill!": a skatepark, off the chain of levels. Ollies and speed come from key
// combinations, the arrows steer, and too much speed makes the pig crash.
#pragma once

#include "screen/screen.hpp"

namespace levels {

using namespace screen;

class frmw3l4 final : public Screen {
public:
    explicit frmw3l4(Runtime& runtime);

    void Form_Load() override;
    void Form_Unload() override;
    void Form_KeyDown(int key_code, int shift) override;

    // Bottom to top: the ground, its lane markings, the pig, and the text.
    Shape Shape1 { *this, "Shape1", { 0, 128, 385, 121 }, { .fill_style = FillStyle::solid, .fill = { 128, 128, 128 }, .border_width = 0 } };
    ControlArray<Line> Line1 { *this, "Line1", 9, [](int i) { return marking(i); }, Color { 255, 255, 0 }, 2.0 };
    Sprite imgpig { *this, "imgpig", { 112, 160, 100, 45 } };
    Label Label1 { *this, "Label1", { 16, 0, 353, 17 },
        { .font = { .size = 8.25, .weight = FontWeight::bold }, .fore = { 255, 0, 0 }, .alignment = Alignment::center },
        "Enter Your Trick Before You Land! ", Visibility::hidden };
    Label Label2 { *this, "Label2", { 0, 224, 73, 17 }, {}, "Current Speed:" };
    Label lblspeed { *this, "lblspeed", { 72, 224, 25, 17 }, { .font = { .size = 9.75, .weight = FontWeight::bold } }, "0" };
    Label Label4 { *this, "Label4", { 104, 224, 105, 17 }, {}, "Kilometers per hour." };
    Label Label3 { *this, "Label3", { 208, 224, 73, 17 }, {}, "Combo Points:" };
    Label Label5 { *this, "Label5", { 280, 224, 73, 17 }, { .font = { .size = 12, .weight = FontWeight::bold } }, "0" };

    Timer lines { *this, "lines", 25, Switch::on };
    Timer msc { *this, "msc", 17000, Switch::on };
    Timer combo1 { *this, "combo1", 1999, Switch::off };
    Timer combo2 { *this, "combo2", 1499, Switch::off };
    Timer falling { *this, "falling", 0, Switch::off };
    // Not clocks: the pig's speed; two timers that do nothing.
    Timer speed { *this, "speed", 8, Switch::on };
    Timer combo { *this, "combo", 0, Switch::on };
    Timer Timer1 { *this, "Timer1", 25, Switch::on };

private:
    static LinePoints marking(int index);

    void lines_Timer();
    void combo1_Timer();
    void falling_Timer();
    void msc_Timer();

    void show_speed();
};

}
