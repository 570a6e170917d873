// The robbers' complex blown up: small blasts with gunshots, then explosions climbing the block
// while the window rumbles; a box, and the Big Bad Grawn's fight begins.
#pragma once

#include "screen/screen.hpp"

namespace scenes {

using namespace screen;

class frmw4l2x final : public Screen {
public:
    static constexpr int blast_count = 8;
    static constexpr int boom_count = 24;

    explicit frmw4l2x(Runtime& runtime);

    // Bottom to top: the block's front, then the blasts and explosions that go off over it.
    ControlArray<Sprite> imgwindow { *this, "imgwindow", 20, [](int i) { return window_place(i); } };
    // 0 to 7 are the small blasts, 8 to 23 the explosions, from the bottom row to the roof.
    ControlArray<Sprite> imgboom { *this, "imgboom", boom_count, [](int i) { return boom_place(i); }, Visibility::hidden };

    Timer Timer1 { *this, "Timer1", 25, Switch::on };
    Timer shake { *this, "shake", 25, Switch::off };

private:
    static Rect window_place(int index);
    static Rect boom_place(int index);

    void Timer1_Timer();
    void shake_Timer();
};

}
