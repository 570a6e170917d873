// World 4, Level 2, "The Big Bad Grawn": a shielded Mecha Grawn walks in and jumps, its landing
// drops three animals to save; a Grawn runs biting until shot; then the shields come down for a
// short countdown in which fifteen hits abort its cannon. Four aborted shots destroy it.
#pragma once

#include "screen/screen.hpp"

namespace levels {

using namespace screen;

class frmw4l2 final : public Screen {
public:
    explicit frmw4l2(Runtime& runtime);

    void Form_Load() override;
    void Form_Unload() override;

    // Scenery, behind everything: the field and the pond on it.
    Shape field { *this, "field", { 0, 33, 471, 269 }, { .fill_style = FillStyle::solid, .fill = { 0, 160, 0 }, .border_width = 0 } };
    Shape pond { *this, "pond", { 24, 40, 150, 44 }, { .kind = ShapeKind::oval, .fill_style = FillStyle::solid, .fill = { 0, 0, 255 }, .border = { 0, 0, 128 } } };
    Sprite boss { *this, "boss", { 200, 64, 273, 199 } };
    // The picture holders are never shown, so three of them keep a number in their Left:
    // imgbossf1 the bite flag, imgbossf2 the attack countdown, imgbossf3 the hit count.
    Sprite imgbossf1 { *this, "imgbossf1", { -32, 32, 273, 199 }, Visibility::hidden };
    Sprite imgbossf2 { *this, "imgbossf2", { 10, 40, 273, 199 }, Visibility::hidden };
    Sprite imgbossf3 { *this, "imgbossf3", { 0, 24, 273, 199 }, Visibility::hidden };
    Sprite imgbossf4 { *this, "imgbossf4", { 16, 48, 150, 150 }, Visibility::hidden };
    Sprite imgpig1 { *this, "imgpig1", { 248, 0, 35, 35 }, Visibility::hidden };
    Sprite imgsheep1 { *this, "imgsheep1", { 280, 0, 35, 35 }, Visibility::hidden };
    Sprite imgcow1 { *this, "imgcow1", { 312, 0, 35, 35 }, Visibility::hidden };
    Sprite imggrawn1 { *this, "imggrawn1", { 0, 216, 35, 34 }, Visibility::hidden };
    Label Label1 { *this, "Label1", { 0, 0, 97, 33 }, { .font = label_font() }, "Health %:" };
    Label lblhp { *this, "lblhp", { 88, 0, 97, 33 }, { .font = label_font() }, "100" };
    Label Label2 { *this, "Label2", { 0, 256, 81, 49 }, { .font = label_font() }, "Time To Attack:", Visibility::hidden };
    Label lbltime { *this, "lbltime", { 80, 264, 33, 33 }, { .font = label_font() }, "10", Visibility::hidden };

    // Not clocks: the player's health and the boss's points.
    Timer hp { *this, "hp", 100, Switch::on };
    Timer bosshp { *this, "bosshp", 60, Switch::on };
    Timer timebw { *this, "timebw", 400, Switch::on };
    Timer timehop1 { *this, "timehop1", 25, Switch::off };
    Timer timefall { *this, "timefall", 25, Switch::off };
    Timer timegrawn1 { *this, "timegrawn1", 25, Switch::off };
    Timer timebw2 { *this, "timebw2", 25, Switch::off };
    Timer timecount { *this, "timecount", 500, Switch::off };
    Timer timered { *this, "timered", 200, Switch::off };
    Timer shake { *this, "shake", 25, Switch::off };
    Timer shake2 { *this, "shake2", 25, Switch::off };

private:
    static Font label_font() { return { .size = 14, .weight = FontWeight::bold }; }
    static PicturePtr bare_boss();

    // The boss standing with its shields down: shown from attack mode's start until it withdraws.
    // imgbossf1 and imgbossf2 wear the shields' dome.
    PicturePtr const m_bare = bare_boss();

    void boss_MouseDown(int button);
    void imgcow1_MouseDown(int button);
    void imgpig1_MouseDown(int button);
    void imgsheep1_MouseDown(int button);
    void imggrawn1_MouseDown(int button);
    void timebw_Timer();
    void timehop1_Timer();
    void timefall_Timer();
    void timegrawn1_Timer();
    void timebw2_Timer();
    void timecount_Timer();
    void timered_Timer();
    void shake_Timer();
    void shake2_Timer();

    // The three animals' handlers are alike but for the animal, its name and what it gives.
    void animal_clicked(int button, Sprite& animal, std::string const& name, int reward);
    // Two steps of 10 pixels left, half a second's stride apart.
    void stride();
    // The boss leaves the field for four seconds and comes back at the right to walk in again.
    void withdraw();
    // Twelve rounds of jolts, up-left and back.
    void long_shake(Timer& timer);
    void change_health(int by);

    int bite_flag() const { return static_cast<int>(imgbossf1.left()); }
    void set_bite_flag(int flag) { imgbossf1.set_left(flag); }
    int countdown() const { return static_cast<int>(imgbossf2.left()); }
    void set_countdown(int steps) { imgbossf2.set_left(steps); }
    int hits() const { return static_cast<int>(imgbossf3.left()); }
    void set_hits(int count) { imgbossf3.set_left(count); }
};

}
