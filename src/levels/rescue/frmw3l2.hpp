// World 3, Level 2, "Cloaked Catastrophy.": the Grawns' base in the forest. Two Grawns patrol, a
// third and a sheep show themselves only for moments, and five hidden traps cost health.
#pragma once

#include "levels/rescue/bandits.hpp"

namespace levels {

class frmw3l2 final : public BanditLevel {
public:
    explicit frmw3l2(Runtime& runtime);

    void Form_Load() override;
    void Form_Unload() override;

    // Bottom to top: the field, the cave and the trees, the traps among them, the picture
    // holders, then the sheep and the Grawns above the traps they stand on (a click on a hidden
    // Grawn 3 springs the trap beneath it), and the health line on top.
    Shape field { *this, "field", { 0, 24, 381, 288 }, { .fill_style = FillStyle::solid, .fill = { 0, 128, 0 }, .border_width = 0 } };
    Sprite imgcave { *this, "imgcave", { 40, 80, 250, 125 } };
    ControlArray<Sprite> imgtree { *this, "imgtree", 7, [](int i) { return tree_place(i); } };
    // Clumps of grass at the trees' feet and along the rock: the traps hide among them.
    ControlArray<Sprite> tuft { *this, "tuft", 5, [](int i) { return tuft_place(i); } };
    Sprite imgtrap1 { *this, "imgtrap1", { 200, 168, 38, 38 } };
    Sprite imgtrap2 { *this, "imgtrap2", { 136, 40, 38, 38 } };
    Sprite imgtrap3 { *this, "imgtrap3", { 232, 264, 38, 38 } };
    Sprite imgtrap4 { *this, "imgtrap4", { 256, 272, 38, 38 } };
    Sprite imgtrap5 { *this, "imgtrap5", { 0, 96, 38, 38 } };
    Sprite imgboom { *this, "imgboom", { 56, 0, 38, 38 }, Visibility::hidden };
    Sprite imgbf { *this, "imgbf", { 96, 0, 35, 35 }, Visibility::hidden };
    Sprite imggf1 { *this, "imggf1", { 200, 0, 35, 34 }, Visibility::hidden };
    Sprite imggf2 { *this, "imggf2", { 240, 0, 35, 34 }, Visibility::hidden };
    Sprite imgsheep1 { *this, "imgsheep1", { 216, 176, 35, 35 } };
    Sprite imggrawn3 { *this, "imggrawn3", { 0, 96, 35, 34 } };
    Sprite imggrawn2 { *this, "imggrawn2", { 192, 272, 35, 34 } };
    Sprite imggrawn1 { *this, "imggrawn1", { 336, 40, 35, 34 } };
    // A dark plaque behind the health line: its red is hard to read on the grey.
    Shape plaque { *this, "plaque", { 92, 0, 97, 17 }, { .fill_style = FillStyle::solid, .fill = { 24, 18, 20 }, .border = { 120, 110, 100 } } };
    Label Label1 { *this, "Label1", { 96, 0, 65, 17 }, health_style(), "Health %" };
    Label lblhp { *this, "lblhp", { 160, 0, 25, 17 }, health_style(), "100" };

    // Not a clock: its Interval is the player's health.
    Timer hp { *this, "hp", 100, Switch::on };
    Timer timegrawn11 { *this, "timegrawn11", 25, Switch::on };
    Timer timegrawn12 { *this, "timegrawn12", 25, Switch::off };
    Timer timegrawn21 { *this, "timegrawn21", 25, Switch::on };
    Timer timegrawn22 { *this, "timegrawn22", 25, Switch::off };
    Timer timegrawn31 { *this, "timegrawn31", 100, Switch::on };
    Timer timegrawn32 { *this, "timegrawn32", 7500, Switch::off };
    Timer timesheep11 { *this, "timesheep11", 150, Switch::on };
    Timer timesheep12 { *this, "timesheep12", 5000, Switch::off };
    Timer shake { *this, "shake", 25, Switch::off };
    PlayerHealth const health { hp, lblhp, shake };

private:
    static LabelStyle health_style() { return { .font = { .size = 8, .weight = FontWeight::bold }, .fore = { 255, 0, 0 } }; }
    static Rect tree_place(int index);
    static Rect tuft_place(int index);

    void timegrawn11_Timer();
    void timegrawn12_Timer();
    void timegrawn21_Timer();
    void timegrawn22_Timer();
    void timegrawn31_Timer();
    void timegrawn32_Timer();
    void timesheep11_Timer();
    void timesheep12_Timer();
    void imggrawn1_MouseDown(int button);
    void imggrawn2_MouseDown(int button);
    void imggrawn3_MouseDown(int button);
    void imgsheep1_MouseDown(int button);
    void imgtrap1_Click();
    void imgtrap2_Click();
    void imgtrap3_Click();
    void imgtrap4_Click();
    void imgtrap5_Click();
    void shake_Timer();

    void shoot_at(int button, Sprite& grawn, Timer& first, Timer& second);
    void spring(Sprite& trap);
    void win_check();
};

}
