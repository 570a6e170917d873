// World 2, Level 3, "The Madness Stops Here!": the Grawn Re-Incarnation Machine runs across the
// field; every second time it reaches the right edge it vanishes and lets out two robbers who
// run and shoot until both are dead. Thirty hits destroy it.
#pragma once

#include "levels/rescue/bandits.hpp"

namespace levels {

class frmw2l3 final : public BanditLevel {
public:
    explicit frmw2l3(Runtime& runtime);

    void Form_Load() override;
    void Form_Unload() override;

    // Bottom to top: the field, the clouds, the picture stores, the machine, the robbers, and the
    // player's health on the field's top edge.
    Label Label1 { *this, "Label1", { 0, 48, 337, 233 }, { .back = { 0, 192, 0 }, .back_style = BackStyle::opaque } };
    // The first cloud also counts the machine's arrivals at the right edge in its Left.
    ControlArray<Sprite> imgcloud { *this, "imgcloud", 7, [](int i) { return cloud_place(i); } };
    Sprite imgbf1 { *this, "imgbf1", { 0, 48, 100, 150 }, Visibility::hidden };
    Sprite imgbf2 { *this, "imgbf2", { 0, 48, 100, 150 }, Visibility::hidden };
    Sprite imgbf3 { *this, "imgbf3", { 8, 56, 150, 150 }, Visibility::hidden };
    Sprite imgbf { *this, "imgbf", { 112, 112, 35, 35 }, Visibility::hidden };
    Sprite imgrf { *this, "imgrf", { 184, 80, 35, 35 }, Visibility::hidden };
    Sprite imgboss { *this, "imgboss", { 224, 128, 100, 150 } };
    Sprite imgrob1 { *this, "imgrob1", { 0, 200, 35, 35 }, Visibility::hidden };
    Sprite imgrob2 { *this, "imgrob2", { 296, 80, 35, 35 }, Visibility::hidden };
    Label Label2 { *this, "Label2", { 120, 48, 49, 25 }, { .font = health_font() }, "HP %" };
    Label lblhp { *this, "lblhp", { 168, 48, 41, 25 }, { .font = health_font() }, "100" };

    Timer timeboss11 { *this, "timeboss11", 25, Switch::on };
    Timer timeboss12 { *this, "timeboss12", 25, Switch::off };
    Timer Timer1 { *this, "Timer1", 50, Switch::off };
    Timer timerob11 { *this, "timerob11", 25, Switch::off };
    Timer timerob12 { *this, "timerob12", 25, Switch::off };
    Timer timerob21 { *this, "timerob21", 25, Switch::off };
    Timer timerob22 { *this, "timerob22", 25, Switch::off };
    Timer shake { *this, "shake", 25, Switch::off };
    // Not clocks: the player's health, and the hits the machine has taken.
    Timer hp { *this, "hp", 100, Switch::on };
    Timer bosshp { *this, "bosshp", 0, Switch::on };
    PlayerHealth const health { hp, lblhp, shake };

private:
    static Font health_font() { return { .size = 12, .weight = FontWeight::bold }; }
    static Rect cloud_place(int index);

    void timeboss11_Timer();
    void timeboss12_Timer();
    void imgboss_MouseDown(int button);
    void Timer1_Timer();
    void timerob11_Timer();
    void timerob12_Timer();
    void timerob21_Timer();
    void timerob22_Timer();
    void shake_Timer();
    void imgrob1_MouseDown(int button);
    void imgrob2_MouseDown(int button);

    void release_robbers();
    void robber_fires(Sprite& robber);
    void machine_returns();
};

}
