// "The End?": the story scene that closes World 3. The farm is shot up, nine robbers walk in,
// and the farm animals vanish one by one before the box tells why.
#pragma once

#include "screen/screen.hpp"

namespace scenes {

using namespace screen;

class frmw3l5 final : public Screen {
public:
    explicit frmw3l5(Runtime& runtime);

    // Bottom to top: the field, the farmstead, the pen in the middle of the yard, the animals,
    // the robbers, the bullet holes and the title line.
    Shape Shape1 { *this, "Shape1", { 0, 40, 457, 353 }, { .fill_style = FillStyle::solid, .fill = { 0, 128, 0 }, .border_width = 0 } };
    Sprite Image1 { *this, "Image1", { 0, 48, 400, 300 } };
    ControlArray<Line> Line1 { *this, "Line1", 3, [](int i) { return rail(i); }, fence, 3.0 };
    ControlArray<Line> Line2 { *this, "Line2", 2, [](int i) { return LinePoints { 120.0 + 160 * i, 192, 120.0 + 160 * i, 272 }; }, fence, 3.0 };
    Line Line3 { *this, "Line3", { 240, 272, 280, 252 }, fence, 3.0 };
    ControlArray<Sprite> Image2 { *this, "Image2", 6, [](int i) { return bale_place(i); } };
    Sprite Image3 { *this, "Image3", { 224, 244, 40, 22 } };
    Sprite Image4 { *this, "Image4", { 244, 200, 26, 20 } };
    ControlArray<Sprite> sheep { *this, "sheep", 10, [](int i) { return place(i, { 128, 80, 152, 112, 96, 168, 48, 64, 184, 72 }, { 296, 320, 328, 328, 288, 296, 328, 280, 336, 352 }); } };
    ControlArray<Sprite> pig { *this, "pig", 9, [](int i) { return place(i, { 16, 72, 8, 344, 344, 352, 296, 280, 352 }, { 248, 240, 288, 264, 216, 336, 224, 264, 184 }); } };
    ControlArray<Sprite> cow { *this, "cow", 6, [](int i) { return place(i, { 224, 224, 272, 256, 296, 320 }, { 304, 336, 304, 336, 344, 304 }); } };
    ControlArray<Sprite> robber { *this, "robber", 9, [](int i) { return place(i, { 450, 450, 450, 450, 450, 450, 450, 450, 450 }, { 40, 80, 112, 152, 192, 232, 264, 304, 336 }); }, Visibility::hidden };
    ControlArray<Sprite> hole { *this, "hole", 10, [](int i) { return hole_place(i); }, Visibility::hidden };
    Label Label1 { *this, "Label1", { 16, 0, 465, 33 }, { .font = { .face = "Times New Roman", .size = 22, .weight = FontWeight::bold }, .alignment = Alignment::center }, "The End!" };

    Timer Timer1 { *this, "Timer1", 5000, Switch::on };
    Timer timerobber { *this, "timerobber", 25, Switch::off };

private:
    static constexpr Color fence { 120, 80, 40 };
    static LinePoints rail(int index);
    static Rect bale_place(int index);
    static Rect hole_place(int index);
    static Rect place(int index, std::initializer_list<double> lefts, std::initializer_list<double> tops);

    void Timer1_Timer();
    void timerobber_Timer();

    // One after another, with a cry and half a second between them.
    void take_away(ControlArray<Sprite>& animals, std::string_view cry);
};

}
