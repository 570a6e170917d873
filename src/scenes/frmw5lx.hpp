// The tally after the last level: bonus games won and time played, then the verdict that opens
// the secret level or the credits.
#pragma once

#include "screen/screen.hpp"

namespace scenes {

using namespace screen;

class frmw5lx final : public Screen {
public:
    explicit frmw5lx(Runtime& runtime);

    void Form_Load() override;

    // Bottom to top: the field, the picture, the animals standing round, the text and the buttons.
    Shape Shape1 { *this, "Shape1", { 0, 32, 505, 345 }, { .fill_style = FillStyle::solid, .fill = { 0, 128, 0 }, .border_width = 0 } };
    Sprite Image1 { *this, "Image1", { 80, -16, 300, 225 } };
    ControlArray<Sprite> pig { *this, "pig", 8, [](int i) { return Rect { i < 4 ? 100.0 : 352.0, 216.0 + 40 * (i % 4), 35, 35 }; } };
    ControlArray<Sprite> sheep { *this, "sheep", 7, [](int i) { return Rect { 8, 56.0 + 44 * i, 35, 35 }; } };
    ControlArray<Sprite> cow { *this, "cow", 6, [](int i) { return Rect { 456, 64.0 + 50 * i, 35, 35 }; } };
    Label Label1 { *this, "Label1", { 152, 216, 185, 49 }, { .font = { .size = 9.75, .weight = FontWeight::bold } },
        "Congratulations on beating Grawn 2!  Let's see how you did..." };
    Label Label2 { *this, "Label2", { 152, 264, 185, 33 }, { .font = big_font() }, "Bonus Levels:" };
    Label lblbonus { *this, "lblbonus", { 152, 288, 25, 33 }, { .font = big_font() }, "4" };
    Label Label3 { *this, "Label3", { 168, 288, 25, 33 }, { .font = big_font() }, "/4" };
    Label Label4 { *this, "Label4", { 152, 312, 185, 33 }, { .font = big_font() }, "Time:" };
    Label lbltime { *this, "lbltime", { 152, 336, 73, 33 }, { .font = big_font() }, "00000" };
    Label Label5 { *this, "Label5", { 232, 336, 57, 33 }, { .font = big_font() }, "Sec." };
    Label Label6 { *this, "Label6", { 144, 216, 177, 145 }, { .font = { .size = 8.25, .weight = FontWeight::bold } },
        "Sorry, but you did not save all of the Smart Animals.  Therefore, you are not deemed eligible to get the secret.  How about trying again and beating all those bonus stages.  If you do that, you'll get that secret!",
        Visibility::hidden };
    Button cmdnext { *this, "cmdnext", { 152, 360, 73, 17 }, "Next ->" };
    Button cmdend { *this, "cmdend", { 224, 360, 73, 17 }, "End", Visibility::hidden };

private:
    static Font big_font() { return { .size = 18, .weight = FontWeight::bold }; }

    void cmdnext_Click();
    void cmdend_Click();
};

}
