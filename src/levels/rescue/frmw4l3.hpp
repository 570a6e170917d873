// World 4, Level 3, "The Raved Within": Raved races across the screen while fires rise towards
// four hostages in claws; shot down, he grows into a big sheep that crosses and lights the fires,
// and at last stands for a ten-second countdown.
#pragma once

#include "screen/screen.hpp"

#include <array>

namespace levels {

using namespace screen;

class frmw4l3 final : public Screen {
    // One fire of the four, with its second-phase timer and step, and the loss it brings.
    struct Blaze {
        Sprite& fire;
        Timer& rising;
        double step;
        char const* lost;
    };

public:
    explicit frmw4l3(Runtime& runtime);

    void Form_Load() override;
    void Form_Unload() override;

    // Bottom to top: the field, the claws and their hostages, the fires rising under them, Raved
    // in front of the fires (he is the target), then the countdown and the health line.
    Shape field { *this, "field", { 0, 120, 382, 266 }, { .fill_style = FillStyle::solid, .fill = { 0, 128, 0 }, .border_width = 0 } };
    ControlArray<Sprite> claw { *this, "claw", 4, [](int i) { return Rect { 152.0 + 56 * i, 24, 50, 50 }; } };
    Sprite cf1 { *this, "cf1", { 16, 0, 50, 50 }, Visibility::hidden };
    Sprite cf2 { *this, "cf2", { 72, 0, 50, 50 }, Visibility::hidden };
    Sprite sheep { *this, "sheep", { 160, 32, 35, 35 } };
    Sprite cow { *this, "cow", { 216, 32, 35, 35 } };
    Sprite pig { *this, "pig", { 272, 32, 35, 35 } };
    Sprite cow2 { *this, "cow2", { 328, 32, 35, 35 } };
    Sprite fire1 { *this, "fire1", { 160, 352, 35, 35 } };
    Sprite fire2 { *this, "fire2", { 208, 352, 35, 35 } };
    Sprite fire3 { *this, "fire3", { 272, 352, 35, 35 } };
    Sprite fire4 { *this, "fire4", { 328, 352, 35, 35 } };
    Sprite bigsheep { *this, "bigsheep", { 8, -184, 245, 245 }, Visibility::hidden };
    Sprite raved { *this, "raved", { 56, 176, 35, 35 } };
    Label Label2 { *this, "Label2", { 64, 280, 41, 41 }, { .font = { .size = 24, .weight = FontWeight::bold } }, "10", Visibility::hidden };
    Label Label1 { *this, "Label1", { 0, 352, 97, 25 }, { .font = label_font() }, "Health %:" };
    Label lblhealth { *this, "lblhealth", { 96, 352, 41, 25 }, { .font = label_font() }, "100" };

    // Not clocks: Raved's points in this phase, the fires' step and phase marker, the seconds
    // left at the end, and the player's health.
    Timer bosshp { *this, "bosshp", 100, Switch::on };
    Timer yo { *this, "yo", 1, Switch::on };
    Timer whatsleft { *this, "whatsleft", 10, Switch::on };
    Timer hp { *this, "hp", 100, Switch::on };
    Timer timeboss1 { *this, "timeboss1", 25, Switch::on };
    Timer timefire1 { *this, "timefire1", 25, Switch::on };
    Timer timeboss2 { *this, "timeboss2", 25, Switch::off };
    Timer timefire10 { *this, "timefire10", 25, Switch::off };
    Timer timefire11 { *this, "timefire11", 25, Switch::off };
    Timer timefire12 { *this, "timefire12", 25, Switch::off };
    Timer timefire13 { *this, "timefire13", 25, Switch::off };
    Timer counting { *this, "counting", 1000, Switch::off };

private:
    static Font label_font() { return { .size = 14, .weight = FontWeight::bold }; }

    void timeboss1_Timer();
    void timefire1_Timer();
    void timefire10_Timer();
    void timefire11_Timer();
    void timefire12_Timer();
    void timefire13_Timer();
    void fire1_DblClick();
    void fire2_Click();
    void fire3_Click();
    void fire4_Click();
    void raved_MouseDown(int button);
    void timeboss2_Timer();
    void counting_Timer();

    static constexpr char const* sheep_died = "No!  God no!  You came so far only to lose it!  A sheep died!";
    static constexpr char const* cow_died = "No!  God no!  You came so far only to lose it!  A cow died!";
    static constexpr char const* pig_died = "No!  God no!  You came so far only to lose it!  A pig died!";
    std::array<Blaze, 4> const m_blazes { {
        { fire1, timefire10, 3, sheep_died },
        { fire2, timefire11, 2.5, cow_died },
        { fire3, timefire12, 5, pig_died },
        { fire4, timefire13, 3, cow_died },
    } };
    Blaze const& blaze(int index) const { return m_blazes.at(index); }
    void rise(Blaze const& blaze, double step);
    void beat_down(Blaze const& blaze);
    bool is_big() const { return raved.shows(bigsheep.picture()); }
};

}
