// World 1, Level 3: the Piggie Poker patrols the flames and, every second time it reaches the
// right edge, vanishes and drops a pig, a sheep and a cow; thirty hits wreck it.
#pragma once

#include "screen/screen.hpp"

namespace levels {

using namespace screen;

class frmw1l3 final : public Screen {
public:
    explicit frmw1l3(Runtime& runtime);

    void Form_Load() override;
    void Form_Unload() override;

    // The flames lie behind everything else: the machine stands in them and the animals sink
    // into them, and both must still take clicks there.
    ControlArray<Sprite> fire { *this, "fire", 12, [](int i) { return Rect { 32.0 * i, 312, 35, 35 }; } };
    Sprite imgboss { *this, "imgboss", { 144, 208, 97, 138 } };
    Sprite imgbf1 { *this, "imgbf1", { 0, 0, 97, 138 }, Visibility::hidden };
    Sprite imgbf2 { *this, "imgbf2", { 0, 0, 97, 138 }, Visibility::hidden };
    Sprite imgbf3 { *this, "imgbf3", { 0, 0, 150, 150 }, Visibility::hidden };
    Sprite imgpig1 { *this, "imgpig1", { 160, 0, 35, 35 }, Visibility::hidden };
    Sprite imgsheep1 { *this, "imgsheep1", { 192, 0, 35, 35 }, Visibility::hidden };
    Sprite imgcow1 { *this, "imgcow1", { 224, 0, 35, 35 }, Visibility::hidden };

    Timer timeboss1 { *this, "timeboss1", 25, Switch::off };
    Timer timeboss2 { *this, "timeboss2", 25, Switch::off };
    Timer bossr { *this, "bossr", 150, Switch::off };
    Timer bossd { *this, "bossd", 1000, Switch::off };
    Timer timepig1 { *this, "timepig1", 25, Switch::off };
    Timer timesheep1 { *this, "timesheep1", 25, Switch::off };
    Timer timecow1 { *this, "timecow1", 25, Switch::off };
    // Counters: hits the machine has taken, and its arrivals at the right edge since its last drop.
    Timer bosshp { *this, "bosshp", 0, Switch::on };
    Timer yadda { *this, "yadda", 0, Switch::on };

private:
    void sink_tick(Sprite& animal, std::string const& lost_text);
    void click_animal(Sprite& animal, Timer& sink, std::string const& shot_text, int button);

    void imgboss_MouseDown(int button);
    void imgpig1_MouseDown(int button);
    void imgsheep1_MouseDown(int button);
    void imgcow1_MouseDown(int button);
    void timeboss1_Timer();
    void timeboss2_Timer();
    void bossr_Timer();
    void bossd_Timer();
    void timepig1_Timer();
    void timesheep1_Timer();
    void timecow1_Timer();
};

}
