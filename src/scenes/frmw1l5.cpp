// The dance contest's figures and the robbery that ends it and hands over to World 2.
#include "scenes/frmw1l5.hpp"

#include "art/effects.hpp"
#include "art/farm_animals.hpp"

#include <array>

namespace scenes {

namespace {

// The beat between two moves of a figure, in seconds.
constexpr double beat = 0.3;

}

frmw1l5::frmw1l5(Runtime& runtime)
    : Screen(runtime, "frmw1l5", { .caption = "Grawn 2", .width = 398, .height = 260, .back = { 192, 255, 255 } })
{
    imgpig1.set_picture(make_picture("imgpig1", art::pig(art::Facing::right)));
    imgpig2.set_picture(make_picture("imgpig2", art::pig(art::Facing::left)));
    imgcow1.set_picture(make_picture("imgcow1", art::cow(art::Facing::right)));
    imgsheep1.set_picture(make_picture("imgsheep1", art::sheep(art::Facing::left)));
    auto const hole = make_picture("imghole(0)", art::bullet_hole());
    for (auto& h : imghole)
        h->set_picture(hole);

    timepig1.on_tick = [this] { timepig1_Timer(); };
    timepig2.on_tick = [this] { timepig2_Timer(); };
    timecow1.on_tick = [this] { timecow1_Timer(); };
    timesheep1.on_tick = [this] { timesheep1_Timer(); };
    Timer1.on_tick = [this] { Timer1_Timer(); };
}

Rect frmw1l5::hole_at(int index)
{
    static std::array<Rect, 4> const holes { { { 144, 160, 20, 20 }, { 264, 120, 20, 20 }, { 24, 168, 20, 20 }, { 352, 224, 20, 20 } } };
    return holes.at(index);
}

void frmw1l5::Form_Load()
{
    StopMusic("\\W1L4.mid");
    PlayMusic("\\W1L5.mid");
}

void frmw1l5::Form_Unload() { StopMusic("\\W1L5.mid"); }

// A figure runs inside one tick of its dancer's timer; its beats let the other dancers and the
// robbery run meanwhile. Every figure adds up to nothing, so the dancers never drift.
void frmw1l5::dance(Sprite& dancer, std::initializer_list<Step> figure)
{
    for (auto const& step : figure) {
        dancer.move(dancer.left() + step.left, dancer.top() + step.top);
        Pause(beat);
    }
}

void frmw1l5::timepig1_Timer() { dance(imgpig1, { { 3, 0 }, { 0, 6 }, { -6, -2 }, { 3, -4 } }); }
void frmw1l5::timepig2_Timer() { dance(imgpig2, { { 6, 0 }, { 0, 3 }, { -9, -2 }, { 3, -1 } }); }
void frmw1l5::timecow1_Timer() { dance(imgcow1, { { 10, 0 }, { -10, 0 } }); }
void frmw1l5::timesheep1_Timer() { dance(imgsheep1, { { 0, 10 }, { 0, -10 } }); }

void frmw1l5::Timer1_Timer()
{
    // The music stops and no new figure begins; figures already under way finish on their own.
    timepig1.disable();
    timepig2.disable();
    timecow1.disable();
    timesheep1.disable();
    StopMusic("\\W1L5.mid");
    Pause(1);
    for (auto& hole : imghole) {
        PlaySound("\\gundead.wav");
        hole->show();
        Pause(1);
    }
    Shape2.show();
    Pause(1);
    // In the dark the shots come one after another, each heard to its end before the next.
    for (int shot = 0; shot < 4; ++shot)
        PlaySound("\\gundead.wav", SoundMode::sync);
    StopMusic("\\W1L5.mid");
    PlayMusic("\\W1L52.mid");
    Pause(1);
    Shape2.hide();
    imgpig1.hide();
    imgpig2.hide();
    imgcow1.hide();
    imgsheep1.hide();
    Pause(1);
    MsgBox("World 1 Complete!  Congrats!  However, it appears that the thieves are back, and they stole 4 animals!  And to make matters worse, those animals were injected with a special Smart Serum.  If the grawns were to get that, they would be unstopable!  The thieves and grawns will have their best guarding those animals.",
        MsgIcon::information, "World 1 Complete!");
    Timer1.disable();
    StopMusic("\\W1L5.mid");
    hand_over("\\W1L52.mid", "frmw2l1");
}

}
