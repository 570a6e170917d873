// The title screen: logo, story pages, gunshots, title tune, parade and the menu; it also keeps
// the progress counters for the whole run, hidden once the game has started.
#pragma once

#include "screen/screen.hpp"

namespace shell {

using namespace platform;
using screen::Screen;

class intro final : public Screen {
public:
    explicit intro(Runtime& runtime);

    void Form_Load() override;
    void Form_Unload() override;

    // The story and its pages; the black logo panel covers them at first (declared later below).
    Label Label1 { *this, "Label1", { 32, 40, 241, 97 }, { .font = { .size = 8.25, .weight = FontWeight::bold }, .alignment = Alignment::center }, story_page(0) };
    Label Label2 { *this, "Label2", { 0, 152, 313, 17 }, { .alignment = Alignment::center }, "Continue..." };
    Label Label3 { *this, "Label3", { 56, 40, 185, 57 }, { .font = { .size = 36, .weight = FontWeight::bold }, .fore = colors::yellow, .alignment = Alignment::center }, "GRAWN 2", Visibility::hidden };
    Sprite Image2 { *this, "Image2", { 8, 40, 300, 90 }, Visibility::hidden };
    Shape Shape1 { *this, "Shape1", { 0, 176, 313, 41 }, { .kind = ShapeKind::rectangle, .fill_style = FillStyle::solid, .fill = colors::green, .border = colors::green } };
    ControlArray<Shape> bullet { *this, "bullet", 4, [](int i) { return bullet_at(i); }, ShapeStyle { .kind = ShapeKind::circle, .fill_style = FillStyle::solid }, Visibility::hidden };
    Sprite imgcow1 { *this, "imgcow1", { 272, 176, 35, 35 }, Visibility::hidden };
    Sprite imgpig1 { *this, "imgpig1", { 272, 176, 35, 35 }, Visibility::hidden };
    Sprite imgsheep1 { *this, "imgsheep1", { 272, 176, 35, 35 }, Visibility::hidden };
    Sprite imggrawn1 { *this, "imggrawn1", { 272, 176, 35, 34 }, Visibility::hidden };
    Sprite imgrob1 { *this, "imgrob1", { 272, 176, 35, 35 }, Visibility::hidden };

    // The logo phase lies on top of everything else until it ends.
    Label Label4 { *this, "Label4", { 0, 0, 313, 217 }, { .back = colors::black, .back_style = BackStyle::opaque } };
    Label Label5 { *this, "Label5", { 0, 64, 313, 73 }, { .font = { .size = 24, .weight = FontWeight::bold }, .fore = colors::red, .alignment = Alignment::center }, "Pell Entertainment Presents" };
    ControlArray<Sprite> Image1 { *this, "Image1", 2, [](int i) { return Rect { i == 0 ? 56.0 : 224.0, 104, 32, 32 }; } };

    Button Command1 { *this, "Command1", { 120, 104, 73, 21 }, "Start", Visibility::hidden, Switch::off };
    Button Command3 { *this, "Command3", { 120, 128, 73, 21 }, "Learn Grawn2", Visibility::hidden, Switch::off };
    Button Command4 { *this, "Command4", { 120, 152, 73, 21 }, "Cheat", Visibility::hidden, Switch::off };
    Button Command2 { *this, "Command2", { 120, 176, 73, 21 }, "Exit", Visibility::hidden, Switch::off };

    Timer Timer2 { *this, "Timer2", 5000, Switch::on };
    Timer Timer3 { *this, "Timer3", 1000, Switch::off };
    Timer Timer4 { *this, "Timer4", 25, Switch::off };
    Timer timecount { *this, "timecount", 1000, Switch::off };
    // Counters: only their Interval is used, as a number.
    Timer Timer1 { *this, "Timer1", 0, Switch::on };
    Timer bonusbags { *this, "bonusbags", 0, Switch::on };
    Timer bigtime { *this, "bigtime", 0, Switch::on };

    static std::string story_page(int page);

private:
    static Rect bullet_at(int index);

    void Timer2_Timer();
    void Label2_Click();
    void Timer3_Timer();
    void Timer4_Timer();
    void Command1_Click();
    void Command2_Click();
    void Command4_Click();
    void timecount_Timer();
};

}
