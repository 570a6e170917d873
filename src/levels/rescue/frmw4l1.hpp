// World 4, Level 1, "Corporate America 2": twenty robbers stand in the twenty windows of an
// office block, each popping up, firing and ducking on his own clock; kill all twenty.
#pragma once

#include "levels/rescue/bandits.hpp"

#include <memory>
#include <string>
#include <vector>

namespace levels {

class frmw4l1 final : public BanditLevel {
public:
    static constexpr int robber_count = 20;

    explicit frmw4l1(Runtime& runtime);

    void Form_Load() override;
    void Form_Unload() override;

    // One robber in his window: imgrobNN, his standing timer timerobNNa (when it ticks he fires
    // and ducks) and his ducking timer timerobNNb (when it ticks he stands up again).
    struct Robber {
        Robber(Form& form, int number);
        Sprite img;
        Timer a;
        Timer b;
    };

    // Scenery, under the robbers: the block's front, a window around each robber.
    ControlArray<Sprite> imgwindow { *this, "imgwindow", robber_count, [](int i) { return window_place(i); } };

private:
    // Numbered 1 to 20, row by row from the top left; declared here, above the windows.
    std::vector<std::unique_ptr<Robber>> m_robbers = make_robbers(*this);

public:
    Sprite imgbf1 { *this, "imgbf1", { 80, 8, 35, 35 }, Visibility::hidden };
    // Not a clock: its Interval is the player's health.
    Timer hp { *this, "hp", 100, Switch::on };
    Label lblhp { *this, "lblhp", { 104, 352, 89, 25 }, { .font = health_font() }, "100" };
    Label Label1 { *this, "Label1", { 8, 352, 89, 25 }, { .font = health_font() }, "Health %:" };
    // Not a clock: its Interval counts the robbers killed.
    Timer Timer1 { *this, "Timer1", 0, Switch::on };
    Timer shake { *this, "shake", 35, Switch::off };
    PlayerHealth const health { hp, lblhp, shake };

private:
    static Font health_font() { return { .size = 14, .weight = FontWeight::bold }; }
    static Rect window_place(int index);
    static std::vector<std::unique_ptr<Robber>> make_robbers(Form& form);
    Robber& robber(int number) { return *m_robbers.at(number - 1); }

    // The twenty robbers' handlers are alike but for the robber they serve.
    void imgrob_MouseDown(Robber& robber, int button);
    void timerob_a_Timer(Robber& robber);
    void timerob_b_Timer(Robber& robber);
    void shake_Timer();

    void check_health();
};

}
