// World 3, Level 4, "Blow It Up!": a bonus sailing race in which the player blows the cow's boat
// across the water by clicking a button, against a Grawn's boat that sails on its own.
#pragma once

#include "screen/screen.hpp"

namespace levels {

using namespace screen;

class frmw3l42 final : public Screen {
public:
    explicit frmw3l42(Runtime& runtime);

    void Form_Load() override;
    void Form_Unload() override;

    // The water and the scenery lie behind the boats, so they come first; the banner's poles are
    // drawn over its edges so they run their full height.
    Shape Shape1 { *this, "Shape1", { 0, 104, 481, 241 }, { .fill_style = FillStyle::solid, .fill = { 128, 128, 255 }, .border_width = 0 } };
    ControlArray<Sprite> bg { *this, "bg", 3, [](int i) { return Rect { bg_left(i), 64, 35, 35 }; } };
    ControlArray<Sprite> bg2 { *this, "bg2", 6, [](int i) { return bg2_place(i); } };
    Label Label1 { *this, "Label1", { 96, 8, 185, 49 }, banner_style(), "Annual Farm Regatta Today!" };
    Line Line1 { *this, "Line1", { 96, 8, 96, 96 }, Color { 0, 0, 0 }, 2.0 };
    Line Line2 { *this, "Line2", { 280, 8, 280, 96 }, Color { 0, 0, 0 }, 2.0 };

    Sprite cow { *this, "cow", { 0, 224, 100, 115 } };
    Sprite grawn { *this, "grawn", { 0, 104, 100, 115 } };
    // The 'Click' button: disabled, so deaf to clicks, until "Go!".
    Sprite Image3 { *this, "Image3", { 376, 344, 100, 100 } };
    Label Label2 { *this, "Label2", { 64, 384, 121, 25 }, signal_style(), "Get Ready!" };

    // Runs from the moment the screen is made, behind the briefing: the start signal, once.
    Timer Timer1 { *this, "Timer1", 1000, Switch::on };
    Timer timegrawn { *this, "timegrawn", 125, Switch::off };

private:
    static double bg_left(int index);
    static Rect bg2_place(int index);
    static LabelStyle banner_style();
    static LabelStyle signal_style();

    // The race is decided once: the opponent sails on under the boxes of a win, and neither its
    // arrival then nor anything else may start a second ending.
    enum class Race { on, won, lost };

    void win();
    void lose();
    void move_on();

    void Timer1_Timer();
    void Image3_MouseDown(int button);
    void timegrawn_Timer();

    Race m_race = Race::on;
};

}
