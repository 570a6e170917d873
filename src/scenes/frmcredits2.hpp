// The final credits: large pages for the makers, then the credit lines climb the screen one at a
// time up to the secret code, and the last one stays until the player closes the window.
#pragma once

#include "screen/screen.hpp"

namespace scenes {

using namespace screen;

class frmcredits2 final : public Screen {
public:
    explicit frmcredits2(Runtime& runtime);

    void Form_Load() override;
    void Form_Unload() override;

    Shape Shape1 { *this, "Shape1", { 0, 0, 411, 73 }, { .fill_style = FillStyle::solid, .fill = colors::black, .border_width = 0 } };
    Shape Shape2 { *this, "Shape2", { 0, 312, 411, 73 }, { .fill_style = FillStyle::solid, .fill = colors::black, .border_width = 0 } };
    Label Label1 { *this, "Label1", { 72, 152, 289, 41 }, page_style(), "Director:" };
    Label Label2 { *this, "Label2", { 88, 192, 289, 41 }, page_style() };
    Label Label3 { *this, "Label3", { 0, 286, 201, 25 }, line_style(Alignment::left), "Additionail Artwork:", Visibility::hidden };
    Label Label4 { *this, "Label4", { 208, 288, 201, 25 }, line_style(Alignment::right), {}, Visibility::hidden };

    Timer changer { *this, "changer", 2500, Switch::on };
    Timer changer2 { *this, "changer2", 25, Switch::off };
    // Counts the credit lines: the one now scrolling, from 0.
    Timer saywhat { *this, "saywhat", 0, Switch::on };

private:
    static LabelStyle page_style();
    static LabelStyle line_style(Alignment alignment);

    void page(char const* role, char const* name, void (frmcredits2::*sound)(), double seconds);
    void climb(double pixels);
    void next_line();

    void changer_Timer();
    void changer2_Timer();
};

}
