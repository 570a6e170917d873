// World 4, Level 5, "The Magnet Game 2": a crane game. Steer the magnet with the arrow keys, drop
// it on the smart sheep with the space bar, and lift it out with 35 clicks in 10 seconds.
#pragma once

#include "screen/screen.hpp"

namespace levels {

using namespace screen;

class frmw4l5 final : public Screen {
public:
    explicit frmw4l5(Runtime& runtime);

    void Form_Load() override;
    void Form_Unload() override;
    void Form_KeyUp(int key_code, int shift) override;

    // Bottom to top: the field, the pen's fences, the Grawns and in front of them the sheep (the
    // one to watch), the crane's cable and magnet above them, the lift button and the countdown.
    Shape Shape1 { *this, "Shape1", { 0, 32, 385, 321 }, { .fill_style = FillStyle::solid, .fill = { 0, 192, 0 }, .border_width = 0 } };
    Line Line1 { *this, "Line1", { 0, 1, 383, 1 }, fence, 2.0 };
    ControlArray<Line> Line2 { *this, "Line2", 2, [](int i) { return rail(144 + 16 * i); }, fence, 2.0 };
    ControlArray<Line> Line3 { *this, "Line3", 2, [](int i) { return rail(208 + 16 * i); }, fence, 2.0 };
    ControlArray<Line> Line4 { *this, "Line4", 24, [](int i) { return hatch(i, 144); }, fence, 2.0 };
    ControlArray<Line> Line5 { *this, "Line5", 24, [](int i) { return hatch(i, 208); }, fence, 2.0 };
    Sprite grawn1 { *this, "grawn1", { 344, 168, 35, 34 } };
    Sprite grawn2 { *this, "grawn2", { 160, 168, 35, 34 } };
    Sprite grawn3 { *this, "grawn3", { 96, 168, 35, 34 } };
    Sprite sheep { *this, "sheep", { 32, 168, 35, 35 } };
    Shape Shape2 { *this, "Shape2", { 176, 0, 1, 41 }, { .fill_style = FillStyle::solid, .fill = { 0, 0, 0 }, .border_width = 0 } };
    Sprite magnet { *this, "magnet", { 166, 40, 22, 55 }, Visibility::shown, Stretch::yes };
    // Only for the eye: the magnet let down on a longer cable, while a drop goes down and back
    // up and while it holds the sheep; `magnet` then shows the pulley block it pays out from.
    Shape drop_cable { *this, "drop_cable", { 176, 52, 1, 1 }, { .fill_style = FillStyle::solid, .fill = { 0, 0, 0 }, .border_width = 0 }, Visibility::hidden };
    Sprite lowered { *this, "lowered", { 166, 40, 22, 55 }, Visibility::hidden, Stretch::yes };
    Sprite imgclick { *this, "imgclick", { 280, 240, 100, 100 } };
    Label lblcount { *this, "lblcount", { 232, 0, 41, 33 }, { .font = { .size = 24, .weight = FontWeight::bold } }, "10", Visibility::hidden };

    Timer timemove { *this, "timemove", 25, Switch::on };
    Timer timecount { *this, "timecount", 1000, Switch::off };
    // Not clocks: seconds left to lift, lifts since the catch, and missed drops.
    Timer whatsleft { *this, "whatsleft", 10, Switch::on };
    Timer letsgoup { *this, "letsgoup", 0, Switch::on };
    Timer times { *this, "times", 0, Switch::on };

private:
    static constexpr Color fence { 216, 172, 90 };
    static LinePoints rail(double y) { return { 0, y, 383, y }; }
    static LinePoints hatch(int index, double top);

    void timemove_Timer();
    void imgclick_Click();
    void timecount_Timer();

    bool holding() const { return imgclick.enabled(); }
    // How far a drop has let the magnet down; 0 while it hangs at the pulley.
    double depth() const { return lowered.visible() ? lowered.top() - magnet.top() : 0; }
    void let_down(double depth);
    void hold_sheep_up();
    void step_drop();
    void move_crane(double by);

    enum class Drop { hanging, falling, rising };
    Drop m_drop = Drop::hanging;
    PicturePtr m_whole;
    PicturePtr m_pulley;
    void move_on();
};

}
