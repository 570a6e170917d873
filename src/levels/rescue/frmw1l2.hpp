// World 1, Level 2, "Pigs, Platforms, and Peril": a pig walks down the platforms to the flames,
// one Grawn loops, one paces, one blinks and holds the cow's claw.
#pragma once

#include "screen/screen.hpp"

namespace levels {

using namespace screen;

class frmw1l2 final : public Screen {
public:
    explicit frmw1l2(Runtime& runtime);

    void Form_Load() override;
    void Form_Unload() override;

    // Scenery, behind everything: the orange ground, the platforms, Grawn 3's ledge and the ladder.
    Shape ground { *this, "ground", { 0, 56, 433, 401 }, { .fill_style = FillStyle::solid, .fill = { 192, 64, 0 }, .border_width = 0 } };
    ControlArray<Line> platform { *this, "platform", 8, [](int i) { return platform_line(i); }, Color { 0, 0, 0 }, 2.0 };
    Line ledge { *this, "ledge", { 24, 104, 64, 104 }, Color { 0, 0, 0 }, 2.0 };
    Line ladder_left { *this, "ladder_left", { 40, 216, 40, 384 }, Color { 0, 0, 0 }, 2.0 };
    Line ladder_right { *this, "ladder_right", { 72, 216, 72, 384 }, Color { 0, 0, 0 }, 2.0 };
    ControlArray<Line> rung { *this, "rung", 10, [](int i) { return LinePoints { 40, 224.0 + 16 * i, 72, 224.0 + 16 * i }; }, Color { 0, 0, 0 }, 2.0 };

    // The claw hangs behind the cow so that a click on the cow, held or falling, reaches the cow;
    // the pig walks in front of both, so that it can be saved at every step of its walk.
    Sprite imgclaw1 { *this, "imgclaw1", { 376, 192, 50, 50 } };
    Sprite imgcow1 { *this, "imgcow1", { 384, 200, 35, 35 } };
    Sprite imgpig1 { *this, "imgpig1", { 392, 48, 35, 35 } };
    Sprite imggrawn1 { *this, "imggrawn1", { 56, 184, 35, 34 } };
    Sprite imggrawn2 { *this, "imggrawn2", { 224, 304, 35, 34 } };
    Sprite imggrawn3 { *this, "imggrawn3", { 24, 72, 35, 34 } };
    ControlArray<Sprite> fire { *this, "fire", 15, [](int i) { return Rect { 32.0 * i, 424, 35, 35 }; } };
    Sprite imgpf1 { *this, "imgpf1", { 0, 0, 35, 35 }, Visibility::hidden };
    Sprite imgpf2 { *this, "imgpf2", { 0, 0, 35, 35 }, Visibility::hidden };
    Sprite imggf1 { *this, "imggf1", { 0, 0, 35, 34 }, Visibility::hidden };
    Sprite imggf2 { *this, "imggf2", { 0, 0, 35, 34 }, Visibility::hidden };

    Timer timepig11 { *this, "timepig11", 25, Switch::off };
    Timer timepig12 { *this, "timepig12", 25, Switch::off };
    Timer timepig13 { *this, "timepig13", 25, Switch::off };
    Timer timepig14 { *this, "timepig14", 25, Switch::off };
    Timer timepig15 { *this, "timepig15", 25, Switch::off };
    Timer timepig16 { *this, "timepig16", 25, Switch::off };
    Timer timepig17 { *this, "timepig17", 25, Switch::off };
    Timer timepig18 { *this, "timepig18", 25, Switch::off };
    Timer timecow1 { *this, "timecow1", 25, Switch::off };
    Timer timegrawn11 { *this, "timegrawn11", 25, Switch::on };
    Timer timegrawn12 { *this, "timegrawn12", 25, Switch::off };
    Timer timegrawn13 { *this, "timegrawn13", 25, Switch::off };
    Timer timegrawn14 { *this, "timegrawn14", 25, Switch::off };
    Timer timegrawn15 { *this, "timegrawn15", 25, Switch::off };
    Timer timegrawn16 { *this, "timegrawn16", 25, Switch::off };
    Timer timegrawn17 { *this, "timegrawn17", 25, Switch::off };
    Timer timegrawn18 { *this, "timegrawn18", 25, Switch::off };
    Timer timegrawn21 { *this, "timegrawn21", 25, Switch::on };
    Timer timegrawn22 { *this, "timegrawn22", 25, Switch::off };
    Timer timegrawn31 { *this, "timegrawn31", 300, Switch::on };
    Timer timegrawn32 { *this, "timegrawn32", 5000, Switch::off };

private:
    static LinePoints platform_line(int index);

    void timepig11_Timer();
    void timepig12_Timer();
    void timepig13_Timer();
    void timepig14_Timer();
    void timepig15_Timer();
    void timepig16_Timer();
    void timepig17_Timer();
    void timepig18_Timer();
    void timegrawn11_Timer();
    void timegrawn12_Timer();
    void timegrawn13_Timer();
    void timegrawn14_Timer();
    void timegrawn15_Timer();
    void timegrawn16_Timer();
    void timegrawn17_Timer();
    void timegrawn18_Timer();
    void timegrawn21_Timer();
    void timegrawn22_Timer();
    void timegrawn31_Timer();
    void timegrawn32_Timer();
    void imgpig1_MouseDown(int button);
    void imggrawn1_MouseDown(int button);
    void imggrawn2_MouseDown(int button);
    void imggrawn3_MouseDown(int button);
    void timecow1_Timer();
    void imgcow1_MouseDown(int button);
    void win_check();
};

}
