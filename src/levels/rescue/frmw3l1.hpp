// World 3, Level 1, "The S-Bomb": two S-Grawns patrol a forest and bark as they pass a mark, a
// third peeks out in a corner, a pig and a sheep hang in claws and a robber waits among the trees.
#pragma once

#include "levels/rescue/bandits.hpp"

#include <string>

namespace levels {

class frmw3l1 final : public BanditLevel {
public:
    explicit frmw3l1(Runtime& runtime);

    void Form_Load() override;
    void Form_Unload() override;

    // Scenery, behind everything: the forest floor, the pond and the trees (so that whatever
    // stands before a tree can be clicked).
    Shape field { *this, "field", { 0, 56, 395, 345 }, { .fill_style = FillStyle::solid, .fill = { 0, 128, 0 }, .border_width = 0 } };
    Shape pond { *this, "pond", { 16, 320, 150, 56 },
        { .kind = ShapeKind::oval, .fill_style = FillStyle::solid, .fill = { 40, 96, 176 }, .border = { 0, 64, 0 }, .border_width = 2 } };
    ControlArray<Sprite> tree { *this, "tree", 4, [](int i) { return tree_place(i); } };

    // The claws hang behind their animals so that a click on an animal reaches the animal.
    Sprite imgclaw2 { *this, "imgclaw2", { 192, 168, 50, 50 } };
    Sprite imgclaw1 { *this, "imgclaw1", { 240, 168, 50, 50 } };
    Sprite imggrawn1 { *this, "imggrawn1", { 112, 136, 35, 34 } };
    Sprite imggrawn2 { *this, "imggrawn2", { 112, 296, 35, 34 } };
    Sprite imggrawn3 { *this, "imggrawn3", { 344, 48, 35, 34 } };
    Sprite imgrob1 { *this, "imgrob1", { 48, 224, 35, 35 } };
    Sprite imgpig1 { *this, "imgpig1", { 200, 176, 35, 35 } };
    Sprite imgsheep1 { *this, "imgsheep1", { 248, 176, 35, 35 } };
    Sprite imgbf1 { *this, "imgbf1", { 352, 8, 35, 35 }, Visibility::hidden };
    Sprite imggf1 { *this, "imggf1", { 32, 8, 35, 34 }, Visibility::hidden };
    Sprite imggf2 { *this, "imggf2", { 72, 8, 35, 34 }, Visibility::hidden };
    Sprite imgcf1 { *this, "imgcf1", { 112, 0, 50, 50 }, Visibility::hidden };
    Sprite imgcf2 { *this, "imgcf2", { 168, 0, 50, 50 }, Visibility::hidden };

    // Player health, over the treetops.
    Label Label1 { *this, "Label1", { 96, 0, 89, 25 }, { .font = health_font() }, "Health %" };
    Label lblhp { *this, "lblhp", { 192, 0, 89, 25 }, { .font = health_font() }, "100" };

    Timer timegrawn11 { *this, "timegrawn11", 25, Switch::off };
    Timer timegrawn12 { *this, "timegrawn12", 25, Switch::off };
    Timer timegrawn21 { *this, "timegrawn21", 25, Switch::off };
    Timer timegrawn22 { *this, "timegrawn22", 25, Switch::off };
    Timer timegrawn31 { *this, "timegrawn31", 250, Switch::on };
    Timer timegrawn32 { *this, "timegrawn32", 5000, Switch::off };
    Timer timepig11 { *this, "timepig11", 25, Switch::off };
    Timer timesheep11 { *this, "timesheep11", 25, Switch::off };
    Timer timerob11 { *this, "timerob11", 300, Switch::off };
    Timer timerob12 { *this, "timerob12", 4000, Switch::off };
    // After a robber's shot, heard; after a bark, silent.
    Timer shake { *this, "shake", 25, Switch::off };
    Timer shake2 { *this, "shake2", 25, Switch::off };
    // Not a clock: its Interval is the player's health.
    Timer hp { *this, "hp", 100, Switch::on };
    PlayerHealth const health { hp, lblhp, shake };

private:
    static Font health_font() { return { .size = 14, .weight = FontWeight::bold }; }
    static Rect tree_place(int index);

    // The left button kills a live enemy for ten health; returns whether it did.
    bool strike(int button, Sprite& enemy, Timer& first, Timer& second);
    void release(Timer& fall_timer, Sprite& claw);
    void rescue(int button, Sprite& animal, Timer& fall_timer, std::string shot_text);
    void fall_tick(Sprite& animal, std::string lost_text);
    // The supersonic bark of a Grawn passing its mark on a rightward pass: ten health and a
    // silent shake.
    void bark();
    void check_health();

    void imgpig1_MouseDown(int button);
    void imgsheep1_MouseDown(int button);
    void imggrawn1_MouseDown(int button);
    void imggrawn2_MouseDown(int button);
    void imggrawn3_MouseDown(int button);
    void imgrob1_MouseDown(int button);
    void timegrawn11_Timer();
    void timegrawn12_Timer();
    void timegrawn21_Timer();
    void timegrawn22_Timer();
    void timegrawn31_Timer();
    void timegrawn32_Timer();
    void timepig11_Timer();
    void timesheep11_Timer();
    void timerob11_Timer();
    void timerob12_Timer();
    void shake_Timer();
    void shake2_Timer();
    void win_check();
};

}
