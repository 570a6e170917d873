// The World 1 intermission: four farm animals dance at Farmer Ruv's contest until the thieves
// shoot out the lights and steal them; then World 2 begins.
#pragma once

#include "screen/screen.hpp"

#include <initializer_list>

namespace scenes {

using namespace screen;

class frmw1l5 final : public Screen {
public:
    explicit frmw1l5(Runtime& runtime);

    void Form_Load() override;
    void Form_Unload() override;

    // The floor lies under the whole scene, so it comes first; the "Intermission 1" label stands on it.
    Shape Shape1 { *this, "Shape1", { 0, 72, 401, 193 }, { .fill_style = FillStyle::solid, .fill = { 0, 192, 0 }, .border_width = 0 } };
    Label Label1 { *this, "Label1", { 16, 8, 369, 25 },
        { .font = { .size = 9.75, .weight = FontWeight::bold }, .back = { 192, 0, 0 }, .back_style = BackStyle::opaque, .alignment = Alignment::center },
        "Farmer Ruv's Farmwide Dance Contest" };
    Label Label2 { *this, "Label2", { 0, 232, 121, 25 }, { .font = { .size = 12, .weight = FontWeight::bold } }, "Intermission 1" };
    Line Line1 { *this, "Line1", { 16, 8, 0, 0 } };
    Line Line2 { *this, "Line2", { 16, 32, 0, 40 } };
    Line Line3 { *this, "Line3", { 384, 32, 400, 48 } };
    Line Line4 { *this, "Line4", { 384, 8, 400, 0 } };

    Sprite imgpig1 { *this, "imgpig1", { 184, 168, 35, 35 } };
    Sprite imgpig2 { *this, "imgpig2", { 152, 80, 35, 35 } };
    Sprite imgcow1 { *this, "imgcow1", { 72, 120, 35, 35 } };
    Sprite imgsheep1 { *this, "imgsheep1", { 296, 168, 35, 35 } };
    ControlArray<Sprite> imghole { *this, "imghole", 4, [](int i) { return hole_at(i); }, Visibility::hidden };
    // Lights out blacks out everything, dancers and bullet holes included, so it comes last.
    Shape Shape2 { *this, "Shape2", { 0, 0, 401, 265 }, { .fill_style = FillStyle::solid, .fill = colors::black, .border_width = 0 }, Visibility::hidden };

    Timer timepig1 { *this, "timepig1", 25, Switch::on };
    Timer timepig2 { *this, "timepig2", 25, Switch::on };
    Timer timecow1 { *this, "timecow1", 25, Switch::on };
    Timer timesheep1 { *this, "timesheep1", 25, Switch::on };
    Timer Timer1 { *this, "Timer1", 25000, Switch::on };

private:
    static Rect hole_at(int index);

    // One move of a dance figure, in pixels added to Left and Top.
    struct Step {
        double left = 0;
        double top = 0;
    };
    void dance(Sprite& dancer, std::initializer_list<Step> figure);

    void timepig1_Timer();
    void timepig2_Timer();
    void timecow1_Timer();
    void timesheep1_Timer();
    void Timer1_Timer();
};

}
