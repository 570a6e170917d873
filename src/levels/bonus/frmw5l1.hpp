// World 5, Level 1, "Pig Channel 5": the secret level. The pig on stage shows a dance of arrow
// moves, the player repeats it with the arrow keys; two dances hypnotise the S-Grawns, a wrong key
// ends the game.
#pragma once

#include "screen/screen.hpp"

#include <span>
#include <string_view>

namespace levels {

using namespace screen;

class frmw5l1 final : public Screen {
public:
    explicit frmw5l1(Runtime& runtime);

    void Form_Load() override;
    void Form_Unload() override;
    void Form_KeyDown(int key_code, int shift) override;
    void Form_KeyUp(int key_code, int shift) override;

    // The two shapes behind the dancers are one control array whose elements differ in kind and
    // colour: the black backdrop and the oval stage in front of it.
    class StageShape : public Shape {
    public:
        StageShape(Form& form, std::string name, int index);
    };

    // Bottom to top: the backdrop and the stage, the sign and its text, the heading and the moves
    // being shown, then the dancers in front of everything.
    ControlArray<StageShape> Shape1 { *this, "Shape1", 2, [](int i) { return i; } };
    Shape Shape2 { *this, "Shape2", { 24, 48, 297, 25 }, { .fill_style = FillStyle::solid, .fill = colors::white } };
    Label Label1 { *this, "Label1", { 32, 48, 273, 25 }, { .font = { .size = 12, .weight = FontWeight::bold }, .alignment = Alignment::center },
        "Remote Desert Stage" };
    Label Label2 { *this, "Label2", { 80, 0, 169, 33 }, { .font = { .size = 13.5, .weight = FontWeight::bold }, .alignment = Alignment::center },
        "Do This Dance!" };
    Label lbldance { *this, "lbldance", { 24, 264, 297, 57 }, { .font = { .size = 18, .weight = FontWeight::bold }, .alignment = Alignment::center },
        "Up Down Up Up Right Left Up Up" };
    Sprite imgblood { *this, "imgblood", { 288, 0, 35, 35 }, Visibility::hidden };
    Sprite imggrawn1 { *this, "imggrawn1", { 72, 176, 35, 34 } };
    Sprite imggrawn2 { *this, "imggrawn2", { 216, 176, 35, 34 } };
    Sprite imgpig { *this, "imgpig", { 136, 184, 35, 35 } };

    // The first dance is shown three seconds after the briefing is closed, when the player can
    // watch it: the moves are shown only once.
    Timer dance1 { *this, "dance1", 3000, Switch::off };
    Timer dance2 { *this, "dance2", 1000, Switch::off };
    // Not a clock: the number of the step the player must do next, from 1.
    Timer combo { *this, "combo", 1, Switch::on };
    // Not a clock: Enabled while the player's keys are taken; Interval is the dance in play
    // (0 the first, 1 the second).
    Timer timeset { *this, "timeset", 0, Switch::off };

private:
    struct Dance {
        std::span<int const> steps;
        std::string_view caption;
        // Seconds after each shown move but the last, and after the last.
        double pause;
        double last_pause;
    };
    static Dance const& dance(int number);
    Dance const& dance_in_play() const { return dance(timeset.interval()); }
    // The key of a step of the dance in play, counted from 1; 0 past its end.
    int key_of_step(int step) const;
    bool input_open() const { return timeset.enabled(); }

    void show_dance(Timer& timer);
    void move_pig(int key_code);
    void play_move(int key_code);
    void next_dance();
    void lose();
    void win();

    void dance1_Timer();
    void dance2_Timer();
};

}
