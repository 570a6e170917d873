// The flashback before Raved's level: two years ago a sheep found a strange stone and changed;
// a year ago it walked into the forest, killed a Grawn and took the other three with it.
#pragma once

#include "screen/screen.hpp"

namespace scenes {

using namespace screen;

class frmw4l3x final : public Screen {
public:
    explicit frmw4l3x(Runtime& runtime);

    void Form_Load() override;
    void Form_Unload() override;

    // Bottom to top: the backdrop, the forest of the second scene, the stone of the first, the
    // picture holders, the Grawns, the sheep and the captions.
    Shape Shape1 { *this, "Shape1", { 0, 0, 377, 297 }, { .fill_style = FillStyle::solid, .fill = { 0, 0, 0 }, .border_width = 0 } };
    ControlArray<Sprite> tree { *this, "tree", 4, [](int i) { return place(i, { 216, 128, 320, 32 }, { 0, 88, 136, 0 }, 90, 160); }, Visibility::hidden };
    Sprite Image1 { *this, "Image1", { 296, 168, 70, 45 } };
    Sprite sf1 { *this, "sf1", { 48, 24, 35, 35 }, Visibility::hidden };
    Sprite sf2 { *this, "sf2", { 88, 24, 35, 35 }, Visibility::hidden };
    Sprite sf3 { *this, "sf3", { 136, 24, 35, 35 }, Visibility::hidden };
    Sprite blood { *this, "blood", { 200, 16, 35, 35 }, Visibility::hidden };
    ControlArray<Sprite> grawn { *this, "grawn", 4, [](int i) { return place(i, { 232, 256, 248, 216 }, { 192, 232, 160, 136 }, 35, 34); }, Visibility::hidden };
    Sprite sheep { *this, "sheep", { 0, 176, 35, 35 } };
    Label Label1 { *this, "Label1", { 0, 248, 113, 41 }, { .font = { .face = "Comic Sans MS", .size = 14 }, .fore = { 255, 255, 255 } }, "2 Years Ago" };
    Label Label2 { *this, "Label2", { 104, 264, 257, 17 }, { .fore = { 255, 255, 255 } } };

    Timer timesheep { *this, "timesheep", 25, Switch::on };
    Timer timesheep2 { *this, "timesheep2", 25, Switch::off };
    Timer timesheep3 { *this, "timesheep3", 25, Switch::off };
    Timer timesheep4 { *this, "timesheep4", 25, Switch::off };

private:
    static Rect place(int index, std::initializer_list<double> lefts, std::initializer_list<double> tops, double width, double height);

    void timesheep_Timer();
    void timesheep2_Timer();
    void timesheep3_Timer();
    void timesheep4_Timer();
};

}
