// Raved's end: flames and explosions over the big sheep, the news in a box, then the claws open
// and the last four animals drop free.
#pragma once

#include "screen/screen.hpp"

namespace scenes {

using namespace screen;

class frmw4l4 final : public Screen {
public:
    explicit frmw4l4(Runtime& runtime);

    // Bottom to top: the ground, Raved, the claws and their animals, the opened-claw holder, the
    // flames and the explosions over everything.
    Shape Shape1 { *this, "Shape1", { 0, 16, 369, 345 }, { .fill_style = FillStyle::solid, .fill = { 0, 128, 0 }, .border_width = 0 } };
    Sprite Image1 { *this, "Image1", { 32, 56, 245, 245 } };
    ControlArray<Sprite> claw { *this, "claw", 4, [](int i) { return Rect { 144.0 + 56 * i, 8, 50, 50 }; } };
    Sprite sheep { *this, "sheep", { 152, 16, 35, 35 } };
    Sprite cow { *this, "cow", { 208, 16, 35, 35 } };
    Sprite pig { *this, "pig", { 264, 16, 35, 35 } };
    Sprite cow2 { *this, "cow2", { 320, 16, 35, 35 } };
    Sprite claw2 { *this, "claw2", { 248, 296, 50, 50 }, Visibility::hidden };
    ControlArray<Sprite> fire { *this, "fire", 19, [](int i) { return fire_place(i); }, Visibility::hidden };
    ControlArray<Sprite> boom { *this, "boom", 20, [](int i) { return boom_place(i); }, Visibility::hidden };

    Timer timeboom { *this, "timeboom", 25, Switch::on };
    Timer timefall { *this, "timefall", 25, Switch::off };

private:
    static Rect fire_place(int index);
    static Rect boom_place(int index);

    void timeboom_Timer();
    void timefall_Timer();
};

}
