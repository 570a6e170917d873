// The tutorial: a walking practice pig teaches the two mouse buttons, then LEAVE opens World 1.
#pragma once

#include "screen/screen.hpp"

namespace scenes {

using namespace screen;

class frmlearn final : public Screen {
public:
    explicit frmlearn(Runtime& runtime);

    Label Label1 { *this, "Label1", { 0, 40, 377, 281 }, { .back = { 0, 192, 0 }, .back_style = BackStyle::opaque } };
    Label Label2 { *this, "Label2", { 64, 0, 257, 89 }, { .font = { .size = 8, .weight = FontWeight::bold }, .fore = colors::red }, "Welcome to Grawn 2!  You're here because you probally aren't farmilair with the gameplay.  If you are, hit the leave button." };
    Label Label3 { *this, "Label3", { 0, 304, 57, 17 }, { .font = { .size = 8, .weight = FontWeight::bold } }, "LEAVE" };
    Sprite imgpig1 { *this, "imgpig1", { 80, 200, 35, 35 }, Visibility::hidden };
    Timer Timer1 { *this, "Timer1", 5000, Switch::on };
    Timer timepig1 { *this, "timepig1", 25, Switch::off };

private:
    void Timer1_Timer();
    void timepig1_Timer();
    void imgpig1_MouseDown(int button);
    void Label3_Click();
};

}
