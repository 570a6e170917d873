// World 2, Level 2, "Tons O' Trees": four robbers pop up among eight trees, a Grawn shows itself
// for a tenth of a second now and then, and a pig wanders off the edge of the wood and back.
#pragma once

#include "levels/rescue/bandits.hpp"

#include <initializer_list>

namespace levels {

class frmw2l2 final : public BanditLevel {
public:
    explicit frmw2l2(Runtime& runtime);

    void Form_Load() override;
    void Form_Unload() override;

    // Player health, above the wood.
    Label Label2 { *this, "Label2", { 0, 8, 89, 25 }, { .font = health_font() }, "Health %:" };
    Label lblhp { *this, "lblhp", { 96, 8, 41, 25 }, { .font = health_font() }, "100" };

    // Bottom to top: the ground, the trees, the picture stores, then the actors, the robbers in
    // front of the trees they stand among.
    Label Label1 { *this, "Label1", { 0, 40, 417, 369 }, { .back = { 0, 128, 0 }, .back_style = BackStyle::opaque } };
    ControlArray<Sprite> imgtree { *this, "imgtree", 8, [](int i) { return tree_place(i); } };
    Sprite imgpf2 { *this, "imgpf2", { 176, 64, 35, 35 }, Visibility::hidden };
    Sprite imgpf1 { *this, "imgpf1", { 144, 64, 35, 35 }, Visibility::hidden };
    Sprite imgbf { *this, "imgbf", { 104, 56, 35, 35 }, Visibility::hidden };
    Sprite imgpig1 { *this, "imgpig1", { 224, 360, 35, 35 } };
    Sprite imggrawn1 { *this, "imggrawn1", { 8, 40, 35, 34 } };
    Sprite imgrob4 { *this, "imgrob4", { 0, 368, 35, 35 }, Visibility::hidden };
    Sprite imgrob3 { *this, "imgrob3", { 272, 312, 35, 35 }, Visibility::hidden };
    Sprite imgrob2 { *this, "imgrob2", { 360, 80, 35, 35 }, Visibility::hidden };
    Sprite imgrob1 { *this, "imgrob1", { 64, 264, 35, 35 } };

    Timer timerob11 { *this, "timerob11", 1000, Switch::off };
    Timer timerob12 { *this, "timerob12", 1500, Switch::off };
    Timer timerob21 { *this, "timerob21", 1200, Switch::off };
    Timer timerob22 { *this, "timerob22", 2500, Switch::off };
    Timer timerob31 { *this, "timerob31", 2000, Switch::off };
    Timer timerob32 { *this, "timerob32", 2500, Switch::off };
    Timer timerob41 { *this, "timerob41", 700, Switch::off };
    Timer timerob42 { *this, "timerob42", 200, Switch::off };
    Timer timegrawn11 { *this, "timegrawn11", 100, Switch::on };
    Timer timegrawn12 { *this, "timegrawn12", 5000, Switch::off };
    Timer timepig11 { *this, "timepig11", 25, Switch::on };
    Timer timepig12 { *this, "timepig12", 25, Switch::off };
    Timer shake { *this, "shake", 25, Switch::off };
    // Not a clock: its Interval is the player's health.
    Timer hp { *this, "hp", 100, Switch::on };
    PlayerHealth const health { hp, lblhp, shake };

private:
    static Font health_font() { return { .size = 14, .weight = FontWeight::bold }; }
    static Rect tree_place(int index);

    void timerob11_Timer();
    void timerob12_Timer();
    void timerob21_Timer();
    void timerob22_Timer();
    void timerob31_Timer();
    void timerob32_Timer();
    void timerob41_Timer();
    void timerob42_Timer();
    void shake_Timer();
    void imgrob1_MouseDown(int button);
    void imgrob2_MouseDown(int button);
    void imgrob3_MouseDown(int button);
    void imgrob4_MouseDown(int button);
    void timegrawn11_Timer();
    void timegrawn12_Timer();
    void imggrawn1_MouseDown(int button);
    void timepig11_Timer();
    void timepig12_Timer();
    void imgpig1_MouseDown(int button);
    void win_check();
};

}
