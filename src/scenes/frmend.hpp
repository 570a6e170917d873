// The true ending: four farm animals dance at Farmer Ruv's contest while the message line hails the
// player and tells of the next Grawn game; then the final credits roll.
#pragma once

#include "screen/screen.hpp"

#include <initializer_list>

namespace scenes {

using namespace screen;

class frmend final : public Screen {
public:
    explicit frmend(Runtime& runtime);

    void Form_Load() override;
    void Form_Unload() override;

    // The ground lies under the whole scene, the banner and its ropes included, so it comes first.
    Shape Shape1 { *this, "Shape1", { 0, 24, 433, 361 }, { .fill_style = FillStyle::solid, .fill = { 0, 192, 0 }, .border_width = 0 } };
    Label Label1 { *this, "Label1", { 40, 16, 313, 25 },
        { .font = { .size = 12, .weight = FontWeight::bold }, .back = { 192, 0, 0 }, .back_style = BackStyle::opaque, .alignment = Alignment::center },
        "Farmer Ruv's Farmwide Dance Contest" };
    Line Line1 { *this, "Line1", { 40, 16, 0, 0 } };
    Line Line2 { *this, "Line2", { 40, 40, 0, 56 } };
    Line Line3 { *this, "Line3", { 352, 16, 392, 0 } };
    Line Line4 { *this, "Line4", { 352, 40, 392, 56 } };
    Label Label2 { *this, "Label2", { 48, 64, 313, 41 }, { .font = { .size = 12, .weight = FontWeight::bold }, .alignment = Alignment::center },
        "Congratulations!" };
    Sprite imgpig1 { *this, "imgpig1", { 312, 192, 35, 35 } };
    Sprite imgpig2 { *this, "imgpig2", { 8, 176, 35, 35 } };
    Sprite imgsheep { *this, "imgsheep", { 248, 168, 35, 35 } };
    Sprite imgcow { *this, "imgcow", { 120, 224, 35, 35 } };

    Timer timepig1 { *this, "timepig1", 250, Switch::on };
    Timer timesheep { *this, "timesheep", 750, Switch::on };
    Timer timecow { *this, "timecow", 700, Switch::on };
    Timer timepig2 { *this, "timepig2", 1000, Switch::on };
    Timer Timer1 { *this, "Timer1", 3500, Switch::on };
    Timer Timer2 { *this, "Timer2", 25000, Switch::on };

private:
    // One move of a dance figure, in pixels added to Left and Top, and the beat that follows it.
    struct Move {
        double left = 0;
        double top = 0;
        double beat = 0;
    };
    void dance(Sprite& dancer, std::initializer_list<Move> figure);

    void timepig1_Timer();
    void timesheep_Timer();
    void timecow_Timer();
    void timepig2_Timer();
    void Timer1_Timer();
    void Timer2_Timer();
};

}
