// World 2, Level 4, "Why Did The Pig Cross The Road?": a bonus game in which the player steps a pig
// with the arrow keys across six lanes of traffic before an 80-second countdown runs out.
#pragma once

#include "screen/screen.hpp"

#include <array>

namespace levels {

using namespace screen;

class frmw2l4 final : public Screen {
public:
    explicit frmw2l4(Runtime& runtime);

    void Form_Load() override;
    void Form_Unload() override;
    void Form_KeyUp(int key_code, int shift) override;

    // The road, its lane markings and the clock.
    Shape Shape1 { *this, "Shape1", { 40, 0, 289, 345 }, { .fill_style = FillStyle::solid, .fill = { 192, 192, 192 }, .border_width = 0 } };
    ControlArray<Line> Line1 { *this, "Line1", lane_dash_count, [](int i) { return lane_dash(i); }, Color { 255, 255, 0 }, 2.0 };
    Label Label5 { *this, "Label5", { 328, 0, 41, 17 }, { .font = clock_font() }, "Time:" };
    Label lbltime { *this, "lbltime", { 328, 16, 41, 17 }, { .font = clock_font() }, "80" };

    Sprite imgpig1 { *this, "imgpig1", { 0, 104, 35, 35 } };

    Sprite imgcar01 { *this, "imgcar01", { 40, 0, 40, 150 } };
    Sprite imgcar02 { *this, "imgcar02", { 40, 232, 40, 75 } };
    Sprite imgcar03 { *this, "imgcar03", { 88, 0, 40, 75 } };
    Sprite imgcar04 { *this, "imgcar04", { 88, 136, 40, 75 } };
    Sprite imgcar05 { *this, "imgcar05", { 88, 272, 40, 75 } };
    Sprite imgcar06 { *this, "imgcar06", { 136, 0, 40, 150 } };
    Sprite imgcar07 { *this, "imgcar07", { 136, 200, 40, 150 } };
    Sprite imgcar08 { *this, "imgcar08", { 184, 0, 40, 75 } };
    Sprite imgcar09 { *this, "imgcar09", { 184, 144, 40, 75 } };
    Sprite imgcar10 { *this, "imgcar10", { 184, 272, 40, 75 } };
    Sprite imgcar11 { *this, "imgcar11", { 232, 16, 40, 75 } };
    Sprite imgcar12 { *this, "imgcar12", { 232, 152, 40, 75 } };
    Sprite imgcar13 { *this, "imgcar13", { 232, 272, 40, 75 } };
    Sprite imgcar14 { *this, "imgcar14", { 280, 0, 40, 150 } };
    Sprite imgcar15 { *this, "imgcar15", { 280, 224, 40, 150 } };

    // The traffic and the countdown start once the briefing has been read.
    Timer timecar { *this, "timecar", 100, Switch::off };
    Timer Timer1 { *this, "Timer1", 1000, Switch::off };
    // Not a clock: its Interval is the seconds left.
    Timer timetime { *this, "timetime", 80, Switch::on };

private:
    // Eleven dashes down each of the five lines between the six lanes.
    static constexpr int dashes_per_line = 11;
    static constexpr int lane_dash_count = 5 * dashes_per_line;
    static LinePoints lane_dash(int index);
    static Font clock_font() { return { .weight = FontWeight::bold }; }

    enum class Direction { up, down };
    // One vehicle's sprite and how it drives: pixels per tick, and the slack k of its wrap test.
    struct Lane {
        Sprite& car;
        Direction direction;
        int speed;
        int slack;
    };
    std::array<Lane, 15> traffic();
    bool touches_pig(Sprite const& car) const;

    // The level ends once, won or timed out, and moves on once; a time-out during the win's last
    // second still tells the player so.
    enum class Outcome { crossing, won, timed_out };
    void win();
    void move_on();

    void timecar_Timer();
    void Timer1_Timer();

    Outcome m_outcome = Outcome::crossing;
    bool m_moved_on = false;
};

}
