// World 3, Level 3, "Metal of Honor.": the Mecha Grawn glides across the field again and again,
// firing every third pass and then leaving six animals sinking from the sky; 84 shots destroy it
// within a ninety-second countdown.
#pragma once

#include "levels/rescue/bandits.hpp"

namespace levels {

class frmw3l3 final : public BanditLevel {
public:
    explicit frmw3l3(Runtime& runtime);

    void Form_Load() override;
    void Form_Unload() override;

    // Scenery, behind everything: the field and a trodden patch on it.
    Shape field { *this, "field", { 0, 25, 370, 274 }, { .fill_style = FillStyle::solid, .fill = { 0, 160, 0 }, .border_width = 0 } };
    Shape patch { *this, "patch", { 40, 200, 290, 90 },
        { .kind = ShapeKind::oval, .fill_style = FillStyle::solid, .fill = { 150, 120, 70 }, .border = { 100, 80, 40 } } };
    Sprite imgboss { *this, "imgboss", { 152, 88, 218, 159 } };
    Sprite imgbf1 { *this, "imgbf1", { 104, -64, 218, 159 }, Visibility::hidden };
    Sprite imgbf2 { *this, "imgbf2", { 104, -56, 218, 159 }, Visibility::hidden };
    Sprite imgbf3 { *this, "imgbf3", { 112, -56, 218, 159 }, Visibility::hidden };
    Sprite imgbf4 { *this, "imgbf4", { 168, -64, 150, 150 }, Visibility::hidden };
    Sprite imgpig1 { *this, "imgpig1", { 96, 48, 35, 35 }, Visibility::hidden };
    Sprite imgsheep1 { *this, "imgsheep1", { 128, 48, 35, 35 }, Visibility::hidden };
    Sprite imgcow1 { *this, "imgcow1", { 160, 48, 35, 35 }, Visibility::hidden };
    Sprite imgpig2 { *this, "imgpig2", { 200, 48, 35, 35 }, Visibility::hidden };
    Sprite imgsheep2 { *this, "imgsheep2", { 232, 48, 35, 35 }, Visibility::hidden };
    Sprite imgcow2 { *this, "imgcow2", { 264, 48, 35, 35 }, Visibility::hidden };
    // Label1's Left doubles as the count of the Mecha Grawn's passes in the current cycle.
    Label Label1 { *this, "Label1", { 0, 0, 89, 25 }, { .font = label_font() }, "Health %:" };
    // Set to the right of its box, so "100" keeps a gap after "Health %:" even with the label
    // moved on by the passes.
    Label lblhp { *this, "lblhp", { 88, 0, 41, 25 }, { .font = label_font(), .alignment = Alignment::right }, "100" };
    Label Label2 { *this, "Label2", { 224, 0, 57, 25 }, { .font = label_font() }, "Time:" };
    Label lbltime { *this, "lbltime", { 280, 0, 89, 25 }, { .font = label_font() }, "90" };

    // Not clocks: shield and hull points, the player's health and the seconds left.
    Timer bosssp { *this, "bosssp", 50, Switch::on };
    Timer bosshp { *this, "bosshp", 35, Switch::on };
    Timer hp { *this, "hp", 100, Switch::on };
    Timer timetime { *this, "timetime", 90, Switch::on };
    Timer timecount { *this, "timecount", 1000, Switch::on };
    Timer timeboss11 { *this, "timeboss11", 25, Switch::off };
    Timer timepig11 { *this, "timepig11", 25, Switch::off };
    Timer blink { *this, "blink", 100, Switch::off };
    Timer shake { *this, "shake", 25, Switch::off };

private:
    static Font label_font() { return { .size = 14, .weight = FontWeight::bold }; }

    void timecount_Timer();
    void timeboss11_Timer();
    void shake_Timer();
    void timepig11_Timer();
    void imgpig1_MouseDown(int button);
    void imgpig2_MouseDown(int button);
    void imgsheep1_MouseDown(int button);
    void imgsheep2_MouseDown(int button);
    void imgcow1_MouseDown(int button);
    void imgcow2_MouseDown(int button);
    void imgboss_MouseDown(int button);
    void blink_Timer();

    enum class Reward { health, none };
    void animal_clicked(int button, Sprite& animal, Reward reward);
    void change_health(int by);
    int passes() const { return static_cast<int>(Label1.left()); }
    void set_passes(int count) { Label1.set_left(count); }
};

}
