// Raved's end: the chain of flames and explosions, the box, the opened claws and the drop.
#include "scenes/frmw4l4.hpp"

#include "art/claw.hpp"
#include "art/effects.hpp"
#include "art/farm_animals.hpp"
#include "art/raved.hpp"

#include <array>

namespace scenes {

namespace {

constexpr int small_booms = 16;
constexpr double fall_step = 3;
constexpr double dropped = 100;

}

frmw4l4::frmw4l4(Runtime& runtime)
    : Screen(runtime, "frmw4l4", { .caption = "Grawn 2", .width = 365, .height = 358 })
{
    Image1.set_picture(make_picture("Image1", art::big_raved()));
    auto const closed = make_picture("claw(0)", art::claw(art::ClawState::closed));
    for (auto& c : claw)
        c->set_picture(closed);
    claw2.set_picture(make_picture("claw2", art::claw(art::ClawState::open)));
    sheep.set_picture(make_picture("sheep", art::sheep(art::Facing::right)));
    auto const cow_picture = make_picture("cow", art::cow(art::Facing::left));
    cow.set_picture(cow_picture);
    cow2.set_picture(cow_picture);
    pig.set_picture(make_picture("pig", art::pig(art::Facing::right)));
    auto const flame = make_picture("fire(0)", art::flame());
    for (auto& f : fire)
        f->set_picture(flame);
    auto const small = make_picture("boom(0)", art::explosion(38));
    auto const large = make_picture("boom(16)", art::explosion(150));
    for (int i = 0; i < boom.size(); ++i)
        boom(i).set_picture(i < small_booms ? small : large);

    timeboom.on_tick = [this] { timeboom_Timer(); };
    timefall.on_tick = [this] { timefall_Timer(); };
}

Rect frmw4l4::fire_place(int index)
{
    static std::array<double, 19> const lefts { 128, 56, 128, 112, 56, 184, 104, 176, 232, 48, 80, 152, 96, 32, 232, 200, 160, 168, 200 };
    static std::array<double, 19> const tops { 40, 136, 120, 216, 64, 192, 144, 104, 160, 232, 184, 176, 88, 104, 104, 72, 80, 232, 216 };
    return { lefts.at(index), tops.at(index), 35, 35 };
}

Rect frmw4l4::boom_place(int index)
{
    static std::array<double, 20> const lefts { 64, 88, 120, 152, 192, 160, 48, 80, 112, 144, 184, 48, 56, 96, 136, 176, 8, 96, 160, 32 };
    static std::array<double, 20> const tops { 264, 248, 240, 264, 240, 240, 256, 232, 224, 224, 216, 232, 208, 200, 208, 200, 72, 64, 72, 32 };
    double const size = index < small_booms ? 38 : 150;
    return { lefts.at(index), tops.at(index), size, size };
}

void frmw4l4::timeboom_Timer()
{
    for (auto& f : fire) {
        f->show();
        PlayShock();
        Pause(0.1);
    }
    for (auto& b : boom) {
        b->show();
        PlayExplosion();
        Pause(0.1);
    }
    MsgBox("Raved Destroyed!!!!");
    Image1.hide();
    for (auto& f : fire)
        f->hide();
    for (auto& b : boom)
        b->hide();
    for (auto& c : claw)
        c->set_picture(claw2.picture());
    timefall.enable();
    timeboom.disable();
}

// The animals drop together; a second after the sheep is down, the magnet game opens.
void frmw4l4::timefall_Timer()
{
    for (Sprite* animal : { &sheep, &cow, &cow2, &pig })
        animal->set_top(animal->top() + fall_step);
    if (sheep.top() < dropped)
        return;
    Pause(1);
    show_screen("frmw4l5");
    hide();
    timefall.disable();
}

}
