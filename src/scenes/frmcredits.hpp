// The credits roll the title screen's cheat prompt can jump to: page after page of names, each
// line with a gunshot, until "The End" stands for good.
#pragma once

#include "screen/screen.hpp"

namespace scenes {

using namespace screen;

class frmcredits final : public Screen {
public:
    explicit frmcredits(Runtime& runtime);

    void Form_Load() override;
    void Form_Unload() override;

    Shape Shape1 { *this, "Shape1", { 0, 0, 505, 89 }, band() };
    Shape Shape2 { *this, "Shape2", { 0, 312, 505, 89 }, band() };
    Label Label1 { *this, "Label1", { 128, 96, 377, 33 }, line_style() };
    Label Label2 { *this, "Label2", { 160, 128, 345, 33 }, line_style() };
    Label Label3 { *this, "Label3", { 184, 160, 321, 33 }, line_style() };
    Label Label4 { *this, "Label4", { 208, 192, 297, 33 }, line_style() };
    Label Label5 { *this, "Label5", { 232, 224, 273, 33 }, line_style() };
    Label Label6 { *this, "Label6", { 256, 256, 249, 57 }, line_style() };

    Timer credits { *this, "credits", 500, Switch::on };

private:
    static ShapeStyle band() { return { .fill_style = FillStyle::solid, .fill = { 0, 0, 0 }, .border_width = 0 }; }
    static LabelStyle line_style() { return { .font = { .size = 14, .weight = FontWeight::bold } }; }

    void credits_Timer();
};

}
