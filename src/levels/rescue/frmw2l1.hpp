// World 2, Level 1, "Barnyard Bandits": two robbers pop up and shoot the player, a Grawn paces
// the bottom of the farm, a pig walks the top and a cow peeks out now and then.
#pragma once

#include "levels/rescue/bandits.hpp"

#include <initializer_list>
#include <string>

namespace levels {

class frmw2l1 final : public BanditLevel {
public:
    explicit frmw2l1(Runtime& runtime);

    void Form_Load() override;
    void Form_Unload() override;

    // Player health, above the field.
    Label Label2 { *this, "Label2", { 0, 0, 97, 25 }, { .font = health_font() }, "Health %:" };
    Label lblhp { *this, "lblhp", { 96, 0, 41, 25 }, { .font = health_font() }, "100" };

    // Bottom to top: the field, the barn with a tree before it, the picture stores, then the
    // actors, the robbers in front so that a robber standing before a tree can be shot.
    Label Label1 { *this, "Label1", { 0, 64, 465, 385 }, { .back = { 0, 128, 0 }, .back_style = BackStyle::opaque } };
    Sprite imgbarn1 { *this, "imgbarn1", { 40, 168, 300, 225 } };
    ControlArray<Sprite> imgtree { *this, "imgtree", 2, [](int i) { return i == 0 ? Rect { 136, 256, 90, 160 } : Rect { 328, 184, 90, 160 }; } };
    Sprite imgcf2 { *this, "imgcf2", { 360, 8, 35, 35 }, Visibility::hidden };
    Sprite imgcf1 { *this, "imgcf1", { 328, 8, 35, 35 }, Visibility::hidden };
    Sprite imggf2 { *this, "imggf2", { 288, 40, 35, 34 }, Visibility::hidden };
    Sprite imggf1 { *this, "imggf1", { 248, 40, 35, 34 }, Visibility::hidden };
    Sprite imgpf2 { *this, "imgpf2", { 288, 8, 35, 35 }, Visibility::hidden };
    Sprite imgpf1 { *this, "imgpf1", { 248, 8, 35, 35 }, Visibility::hidden };
    Sprite imgbf { *this, "imgbf", { 184, 0, 35, 35 }, Visibility::hidden };
    Sprite imgcow1 { *this, "imgcow1", { 360, 384, 35, 35 }, Visibility::hidden };
    Sprite imgpig1 { *this, "imgpig1", { 64, 80, 35, 35 } };
    Sprite imggrawn1 { *this, "imggrawn1", { 208, 408, 35, 34 } };
    Sprite imgrob2 { *this, "imgrob2", { 328, 312, 35, 35 } };
    Sprite imgrob1 { *this, "imgrob1", { 8, 112, 35, 35 } };

    Timer timerob11 { *this, "timerob11", 1000, Switch::off };
    Timer timerob12 { *this, "timerob12", 1000, Switch::off };
    Timer timerob21 { *this, "timerob21", 300, Switch::off };
    Timer timerob22 { *this, "timerob22", 1000, Switch::off };
    Timer timegrawn11 { *this, "timegrawn11", 25, Switch::on };
    Timer timegrawn12 { *this, "timegrawn12", 25, Switch::off };
    Timer timepig11 { *this, "timepig11", 25, Switch::on };
    Timer timepig12 { *this, "timepig12", 25, Switch::off };
    Timer timecow11 { *this, "timecow11", 5000, Switch::on };
    Timer timecow12 { *this, "timecow12", 250, Switch::off };
    Timer shake { *this, "shake", 25, Switch::off };
    // Not a clock: its Interval is the player's health.
    Timer hp { *this, "hp", 100, Switch::on };
    PlayerHealth const health { hp, lblhp, shake };

private:
    static Font health_font() { return { .size = 14, .weight = FontWeight::bold }; }

    void imgrob1_MouseDown(int button);
    void imgrob2_MouseDown(int button);
    void imggrawn1_MouseDown(int button);
    void imgpig1_MouseDown(int button);
    void imgcow1_MouseDown(int button);
    void timerob11_Timer();
    void timerob12_Timer();
    void timerob21_Timer();
    void timerob22_Timer();
    void timegrawn11_Timer();
    void timegrawn12_Timer();
    void timepig11_Timer();
    void timepig12_Timer();
    void timecow11_Timer();
    void timecow12_Timer();
    void shake_Timer();

    void rescue(int button, Sprite& animal, std::initializer_list<Timer*> timers, std::string shot_text);
    void win_check();
};

}
