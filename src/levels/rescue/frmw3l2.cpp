// World 3, Level 2: the Grawns' patrols and blinks, the blinking sheep, the traps and the win
// check.
#include "levels/rescue/frmw3l2.hpp"

#include "art/effects.hpp"
#include "art/farm_animals.hpp"
#include "art/forest_base.hpp"
#include "art/grawn.hpp"
#include "art/scenery.hpp"
#include "levels/rescue/rescue.hpp"

#include <array>
#include <string>

namespace levels {

namespace {

constexpr int trap_cost = 25;

}

frmw3l2::frmw3l2(Runtime& runtime)
    : BanditLevel(runtime, "frmw3l2", { .caption = "Grawn 2", .width = 381, .height = 312, .back = { 64, 64, 64 } })
{
    imgcave.set_picture(make_picture("imgcave", art::cave()));
    auto const tree = make_picture("imgtree(0)", art::tree());
    for (auto& t : imgtree)
        t->set_picture(tree);
    auto const grass = make_picture("tuft(0)", art::grass_tuft());
    for (auto& t : tuft)
        t->set_picture(grass);
    auto const set_trap = make_picture("imgtrap1", art::trap(art::TrapState::set));
    for (Sprite* trap : { &imgtrap1, &imgtrap2, &imgtrap3, &imgtrap4, &imgtrap5 })
        trap->set_picture(set_trap);
    imgboom.set_picture(make_picture("imgboom", art::trap(art::TrapState::sprung)));
    imgbf.set_picture(make_picture("imgbf", art::blood_splat()));
    imggf1.set_picture(make_picture("imggf1", art::grawn(art::Facing::left)));
    imggf2.set_picture(make_picture("imggf2", art::grawn(art::Facing::right)));
    imgsheep1.set_picture(make_picture("imgsheep1", art::sheep(art::Facing::left)));
    imggrawn1.set_picture(imggf1.picture());
    imggrawn2.set_picture(imggf2.picture());
    imggrawn3.set_picture(imggf2.picture());

    timegrawn11.on_tick = [this] { timegrawn11_Timer(); };
    timegrawn12.on_tick = [this] { timegrawn12_Timer(); };
    timegrawn21.on_tick = [this] { timegrawn21_Timer(); };
    timegrawn22.on_tick = [this] { timegrawn22_Timer(); };
    timegrawn31.on_tick = [this] { timegrawn31_Timer(); };
    timegrawn32.on_tick = [this] { timegrawn32_Timer(); };
    timesheep11.on_tick = [this] { timesheep11_Timer(); };
    timesheep12.on_tick = [this] { timesheep12_Timer(); };
    shake.on_tick = [this] { shake_Timer(); };
    imggrawn1.on_mouse_down = [this](MouseEvent const& e) { imggrawn1_MouseDown(e.button); };
    imggrawn2.on_mouse_down = [this](MouseEvent const& e) { imggrawn2_MouseDown(e.button); };
    imggrawn3.on_mouse_down = [this](MouseEvent const& e) { imggrawn3_MouseDown(e.button); };
    imgsheep1.on_mouse_down = [this](MouseEvent const& e) { imgsheep1_MouseDown(e.button); };
    imgtrap1.on_click = [this] { imgtrap1_Click(); };
    imgtrap2.on_click = [this] { imgtrap2_Click(); };
    imgtrap3.on_click = [this] { imgtrap3_Click(); };
    imgtrap4.on_click = [this] { imgtrap4_Click(); };
    imgtrap5.on_click = [this] { imgtrap5_Click(); };
}

Rect frmw3l2::tree_place(int index)
{
    static std::array<double, 7> const lefts { 288, 0, 264, 40, 120, 224, 0 };
    static std::array<double, 7> const tops { 72, 136, 128, 72, 200, -72, -96 };
    return { lefts.at(index), tops.at(index), 90, 160 };
}

Rect frmw3l2::tuft_place(int index)
{
    static std::array<double, 5> const lefts { 66, 314, 26, 96, 250 };
    static std::array<double, 5> const tops { 204, 204, 268, 178, 60 };
    return { lefts.at(index), tops.at(index), 38, 38 };
}

void frmw3l2::Form_Load()
{
    // Everything has been moving since the screen loaded; only the tune waits for the briefing.
    briefing("World 3, Level 2: Cloaked Catastrophy.",
        "You've reached the Grawns' hidden base in the forest, but the Mecha Grawn is no where to be found!  And for that matter, none of the S-Grawns are at the base, neither.  Save all the farm animals left behind, and destroy all of the grawns.  HOWEVER, THE S-GRAWNS HAVE LEFT SEVERAL TRAPS HIDDEN AROUND THE BASE.  IF YOU CLICK ON THESE, YOU WILL LOSE A SIGNIFICANT AMMOUNT OF HEALTH!  BEWARE!");
    PlayMusic("\\W3L2.mid");
}

void frmw3l2::Form_Unload() { StopMusic("\\W3L2.mid"); }

void frmw3l2::timegrawn11_Timer() { walk(imggrawn1, { Axis::x, -45, Until::at_most, 0 }, timegrawn11, &timegrawn12, &imggf2); }
void frmw3l2::timegrawn12_Timer() { walk(imggrawn1, { Axis::x, 45, Until::at_least, 352 }, timegrawn12, &timegrawn11, &imggf1); }
void frmw3l2::timegrawn21_Timer() { walk(imggrawn2, { Axis::x, 35, Until::at_least, 352 }, timegrawn21, &timegrawn22, &imggf1); }
void frmw3l2::timegrawn22_Timer() { walk(imggrawn2, { Axis::x, -35, Until::at_most, 200 }, timegrawn22, &timegrawn21, &imggf2); }

// Grawn 3 is out for a tenth of a second every 7.6; the sheep for 0.15 every 5.15.
void frmw3l2::timegrawn31_Timer() { blink(imggrawn3, Visibility::hidden, timegrawn31, timegrawn32); }
void frmw3l2::timegrawn32_Timer() { blink(imggrawn3, Visibility::shown, timegrawn32, timegrawn31); }
void frmw3l2::timesheep11_Timer() { blink(imgsheep1, Visibility::hidden, timesheep11, timesheep12); }
void frmw3l2::timesheep12_Timer() { blink(imgsheep1, Visibility::shown, timesheep12, timesheep11); }

void frmw3l2::imggrawn1_MouseDown(int button) { shoot_at(button, imggrawn1, timegrawn11, timegrawn12); }
void frmw3l2::imggrawn2_MouseDown(int button) { shoot_at(button, imggrawn2, timegrawn21, timegrawn22); }
void frmw3l2::imggrawn3_MouseDown(int button) { shoot_at(button, imggrawn3, timegrawn31, timegrawn32); }

// Kills give no health back on this level.
void frmw3l2::shoot_at(int button, Sprite& grawn, Timer& first, Timer& second)
{
    if (button == left_button && !is_dead(grawn, imgbf)) {
        kill(grawn, imgbf, { &first, &second });
        PlayGunDead();
    }
    win_check();
}

void frmw3l2::imgsheep1_MouseDown(int button)
{
    if (button == left_button) {
        PlayGunDead();
        game_over("Oh no!  You shot a sheep!  You evil, evil, little man (or woman).  Game over!  Please play again!");
    } else if (button == right_button) {
        save(imgsheep1, { &timesheep11, &timesheep12 });
    }
    win_check();
}

void frmw3l2::imgtrap1_Click() { spring(imgtrap1); }
void frmw3l2::imgtrap2_Click() { spring(imgtrap2); }
void frmw3l2::imgtrap3_Click() { spring(imgtrap3); }
void frmw3l2::imgtrap4_Click() { spring(imgtrap4); }
void frmw3l2::imgtrap5_Click() { spring(imgtrap5); }

// A trap bites once; after that a click on it costs nothing, but still finds a player with no
// health left dead.
void frmw3l2::spring(Sprite& trap)
{
    if (!trap.shows(imgboom.picture())) {
        shake.enable();
        lose_health(health, trap_cost);
        trap.set_picture(imgboom.picture());
    }
    if (hp.interval() <= 0)
        game_over("Oh no!  You died!  Game over!  Please try again!");
}

void frmw3l2::shake_Timer() { shake_tick(shake, Report::gunshot); }

void frmw3l2::win_check()
{
    if (game_over_started())
        return;
    if (!is_dead(imggrawn1, imgbf) || !is_dead(imggrawn2, imgbf) || !is_dead(imggrawn3, imgbf))
        return;
    if (timesheep11.enabled() || timesheep12.enabled())
        return;
    hand_over("\\W3L2.mid", "frmw3l3x");
}

}
