// World 1, Level 1: Grawns patrol Hell; killing one opens its claw and its animal falls to the
// flames unless the player saves it; a sheep blinks on a ledge.
#pragma once

#include "screen/screen.hpp"

namespace levels {

using namespace screen;

class frmw1l1 final : public Screen {
public:
    explicit frmw1l1(Runtime& runtime);

    void Form_Load() override;
    void Form_Unload() override;

    // Scenery, behind everything: the red ground and the mountains on the skyline.
    Shape ground { *this, "ground", { 0, 72, 481, 386 }, { .fill_style = FillStyle::solid, .fill = { 192, 0, 0 }, .border_width = 0 } };
    ControlArray<Line> mountain { *this, "mountain", 8, [](int i) { return mountain_side(i); }, Color { 0, 0, 0 }, 2.0 };
    Line ledge { *this, "ledge", { 320, 112, 352, 112 }, Color { 0, 0, 0 }, 2.0 };

    // The claws hang behind their animals so that a click on an animal reaches the animal.
    Sprite imgclaw1 { *this, "imgclaw1", { -1, 80, 50, 50 } };
    Sprite imgclaw2 { *this, "imgclaw2", { 64, 80, 50, 50 } };
    Sprite imgclaw3 { *this, "imgclaw3", { 120, 80, 50, 50 } };
    Sprite imgpig1 { *this, "imgpig1", { 8, 88, 35, 35 } };
    Sprite imgpig2 { *this, "imgpig2", { 73, 88, 35, 35 } };
    Sprite imgcow1 { *this, "imgcow1", { 129, 88, 35, 35 } };
    Sprite imgsheep1 { *this, "imgsheep1", { 320, 80, 35, 35 } };
    Sprite imggrawn1 { *this, "imggrawn1", { 336, 360, 35, 34 } };
    Sprite imggrawn2 { *this, "imggrawn2", { 256, 152, 35, 34 } };
    Sprite imggrawn3 { *this, "imggrawn3", { 144, 232, 35, 34 } };
    ControlArray<Sprite> fire { *this, "fire", 16, [](int i) { return Rect { 32.0 * i, 424, 35, 35 }; } };
    Sprite imggf1 { *this, "imggf1", { 0, 0, 35, 34 }, Visibility::hidden };
    Sprite imggf2 { *this, "imggf2", { 0, 0, 35, 34 }, Visibility::hidden };
    Sprite imgcf1 { *this, "imgcf1", { 0, 0, 50, 50 }, Visibility::hidden };
    Sprite imgcf2 { *this, "imgcf2", { 0, 0, 50, 50 }, Visibility::hidden };
    // White like the message beside it: black would vanish into the dark red sky.
    Label Label1 { *this, "Label1", { 0, 0, 89, 17 }, { .fore = colors::white }, "Recent Messages:" };
    Label lblmsg { *this, "lblmsg", { 96, 0, 89, 17 }, { .fore = colors::white }, "None" };

    Timer timegrawn11 { *this, "timegrawn11", 25, Switch::on };
    Timer timegrawn12 { *this, "timegrawn12", 25, Switch::off };
    Timer timegrawn21 { *this, "timegrawn21", 25, Switch::on };
    Timer timegrawn22 { *this, "timegrawn22", 25, Switch::off };
    Timer timegrawn31 { *this, "timegrawn31", 25, Switch::on };
    Timer timegrawn32 { *this, "timegrawn32", 25, Switch::off };
    Timer timepig1 { *this, "timepig1", 25, Switch::off };
    Timer timepig2 { *this, "timepig2", 25, Switch::off };
    Timer timecow1 { *this, "timecow1", 25, Switch::off };
    Timer timesheep11 { *this, "timesheep11", 300, Switch::on };
    Timer timesheep12 { *this, "timesheep12", 5000, Switch::off };

private:
    static platform::LinePoints mountain_side(int index);

    // What killing a Grawn releases.
    struct Guard {
        Sprite& grawn;
        Timer& first;
        Timer& second;
        Timer& fall;
        Sprite& claw;
    };
    void kill_grawn(Guard const& guard, int button);
    void fall_tick(Sprite& animal, std::string const& lost_text);
    void save_animal(Sprite& animal, Timer& fall, std::string const& saved_text, int button);

    void imggrawn1_MouseDown(int button);
    void imggrawn2_MouseDown(int button);
    void imggrawn3_MouseDown(int button);
    void timegrawn11_Timer();
    void timegrawn12_Timer();
    void timegrawn21_Timer();
    void timegrawn22_Timer();
    void timegrawn31_Timer();
    void timegrawn32_Timer();
    void timepig1_Timer();
    void timepig2_Timer();
    void timecow1_Timer();
    void imgpig1_MouseDown(int button);
    void imgpig2_MouseDown(int button);
    void imgcow1_MouseDown(int button);
    void timesheep11_Timer();
    void timesheep12_Timer();
    void imgsheep1_MouseDown(int button);
    void win_check();
};

}
