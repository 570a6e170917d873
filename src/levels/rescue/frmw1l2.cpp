// World 1, Level 2: the pig's walk, the Grawns' loop, patrol and blink, the cow's fall, the
// wrong clicks and the win check.
#include "levels/rescue/frmw1l2.hpp"

#include "art/claw.hpp"
#include "art/effects.hpp"
#include "art/farm_animals.hpp"
#include "art/grawn.hpp"
#include "levels/rescue/rescue.hpp"

#include <array>
#include <string>

namespace levels {

namespace {

constexpr double cow_fall_step = 4;
constexpr double cow_death_line = 425;

std::string const lost_title = "Grawn 2";

}

frmw1l2::frmw1l2(Runtime& runtime)
    : Screen(runtime, "frmw1l2", { .caption = "Grawn 2", .width = 428, .height = 457, .back = { 128, 0, 0 } })
{
    imgpf1.set_picture(make_picture("imgpf1", art::pig(art::Facing::left)));
    imgpf2.set_picture(make_picture("imgpf2", art::pig(art::Facing::right)));
    imggf1.set_picture(make_picture("imggf1", art::grawn(art::Facing::left)));
    imggf2.set_picture(make_picture("imggf2", art::grawn(art::Facing::right)));
    auto const flame = make_picture("fire(0)", art::flame());
    for (auto& f : fire)
        f->set_picture(flame);
    // The claw holds the cow for good: killing Grawn 3 lets the cow drop out of a closed claw.
    imgclaw1.set_picture(make_picture("imgclaw1", art::claw(art::ClawState::closed)));
    imgpig1.set_picture(imgpf1.picture());
    imgcow1.set_picture(make_picture("imgcow1", art::cow(art::Facing::left)));
    imggrawn1.set_picture(imggf2.picture());
    imggrawn2.set_picture(imggf1.picture());
    imggrawn3.set_picture(imggf1.picture());

    imgpig1.on_mouse_down = [this](MouseEvent const& e) { imgpig1_MouseDown(e.button); };
    imgcow1.on_mouse_down = [this](MouseEvent const& e) { imgcow1_MouseDown(e.button); };
    imggrawn1.on_mouse_down = [this](MouseEvent const& e) { imggrawn1_MouseDown(e.button); };
    imggrawn2.on_mouse_down = [this](MouseEvent const& e) { imggrawn2_MouseDown(e.button); };
    imggrawn3.on_mouse_down = [this](MouseEvent const& e) { imggrawn3_MouseDown(e.button); };
    timepig11.on_tick = [this] { timepig11_Timer(); };
    timepig12.on_tick = [this] { timepig12_Timer(); };
    timepig13.on_tick = [this] { timepig13_Timer(); };
    timepig14.on_tick = [this] { timepig14_Timer(); };
    timepig15.on_tick = [this] { timepig15_Timer(); };
    timepig16.on_tick = [this] { timepig16_Timer(); };
    timepig17.on_tick = [this] { timepig17_Timer(); };
    timepig18.on_tick = [this] { timepig18_Timer(); };
    timecow1.on_tick = [this] { timecow1_Timer(); };
    timegrawn11.on_tick = [this] { timegrawn11_Timer(); };
    timegrawn12.on_tick = [this] { timegrawn12_Timer(); };
    timegrawn13.on_tick = [this] { timegrawn13_Timer(); };
    timegrawn14.on_tick = [this] { timegrawn14_Timer(); };
    timegrawn15.on_tick = [this] { timegrawn15_Timer(); };
    timegrawn16.on_tick = [this] { timegrawn16_Timer(); };
    timegrawn17.on_tick = [this] { timegrawn17_Timer(); };
    timegrawn18.on_tick = [this] { timegrawn18_Timer(); };
    timegrawn21.on_tick = [this] { timegrawn21_Timer(); };
    timegrawn22.on_tick = [this] { timegrawn22_Timer(); };
    timegrawn31.on_tick = [this] { timegrawn31_Timer(); };
    timegrawn32.on_tick = [this] { timegrawn32_Timer(); };
}

LinePoints frmw1l2::platform_line(int index)
{
    // Top to bottom.
    static std::array<LinePoints, 8> const platforms { { { 424, 80, 248, 80 }, { 176, 112, 320, 112 }, { 368, 144, 216, 144 },
        { 160, 176, 392, 176 }, { 0, 216, 320, 216 }, { 368, 288, 184, 288 }, { 120, 336, 256, 336 }, { 304, 384, 40, 384 } } };
    return platforms.at(index);
}

void frmw1l2::Form_Load()
{
    briefing("Grawn: World 1, Level 2: Pigs, Platforms, and Peril",
        "Another round of grawns have ganged up just a few minutes away from the machine that is sucking the farm animals down from Earth.  Kill all grawns, save all farm animals.  Watch out for the pig early on, as it's been sent on a path to death if you don't help it.");
    PlayMusic("\\W1L2.mid");
    // The Grawns have been moving since the screen loaded; the pig sets off only now that the
    // player has read the briefing.
    timepig11.enable();
}

void frmw1l2::Form_Unload() { StopMusic("\\W1L2.mid"); }

// The pig's zigzag down the platforms; its last leg walks it off into the flames.
void frmw1l2::timepig11_Timer() { walk(imgpig1, { Axis::x, -12, Until::at_most, 232 }, timepig11, &timepig12); }
void frmw1l2::timepig12_Timer() { walk(imgpig1, { Axis::y, 12, Until::at_least, 80 }, timepig12, &timepig13, &imgpf2); }
void frmw1l2::timepig13_Timer() { walk(imgpig1, { Axis::x, 12, Until::at_least, 320 }, timepig13, &timepig14); }
void frmw1l2::timepig14_Timer() { walk(imgpig1, { Axis::y, 12, Until::at_least, 120 }, timepig14, &timepig15, &imgpf1); }
void frmw1l2::timepig15_Timer() { walk(imgpig1, { Axis::x, -12, Until::at_most, 192 }, timepig15, &timepig16); }
void frmw1l2::timepig16_Timer() { walk(imgpig1, { Axis::y, 12, Until::at_least, 144 }, timepig16, &timepig17, &imgpf2); }
void frmw1l2::timepig17_Timer() { walk(imgpig1, { Axis::x, 12, Until::at_least, 392 }, timepig17, &timepig18); }

void frmw1l2::timepig18_Timer()
{
    if (walk(imgpig1, { Axis::y, 8, Until::at_least, 392 }, timepig18))
        game_over("Oh no!  A pig died!  Game Over!  Please play again!", MsgIcon::information, lost_title);
}

// Grawn 1's loop over the platforms and back up the ladder, for as long as it lives.
void frmw1l2::timegrawn11_Timer() { walk(imggrawn1, { Axis::x, 15, Until::at_least, 320 }, timegrawn11, &timegrawn12); }
void frmw1l2::timegrawn12_Timer() { walk(imggrawn1, { Axis::y, 15, Until::at_least, 250 }, timegrawn12, &timegrawn13, &imggf1); }
void frmw1l2::timegrawn13_Timer() { walk(imggrawn1, { Axis::x, -15, Until::at_most, 160 }, timegrawn13, &timegrawn14); }
void frmw1l2::timegrawn14_Timer() { walk(imggrawn1, { Axis::y, 15, Until::at_least, 295 }, timegrawn14, &timegrawn15, &imggf2); }
void frmw1l2::timegrawn15_Timer() { walk(imggrawn1, { Axis::x, 15, Until::at_least, 256 }, timegrawn15, &timegrawn16); }
void frmw1l2::timegrawn16_Timer() { walk(imggrawn1, { Axis::y, 15, Until::at_least, 340 }, timegrawn16, &timegrawn17, &imggf1); }
void frmw1l2::timegrawn17_Timer() { walk(imggrawn1, { Axis::x, -15, Until::at_most, 55 }, timegrawn17, &timegrawn18); }
void frmw1l2::timegrawn18_Timer() { walk(imggrawn1, { Axis::y, -15, Until::at_most, 192 }, timegrawn18, &timegrawn11, &imggf2); }

void frmw1l2::timegrawn21_Timer() { walk(imggrawn2, { Axis::x, -20, Until::at_most, 120 }, timegrawn21, &timegrawn22, &imggf2); }
void frmw1l2::timegrawn22_Timer() { walk(imggrawn2, { Axis::x, 20, Until::at_least, 240 }, timegrawn22, &timegrawn21, &imggf1); }

void frmw1l2::timegrawn31_Timer() { blink(imggrawn3, Visibility::hidden, timegrawn31, timegrawn32); }
void frmw1l2::timegrawn32_Timer() { blink(imggrawn3, Visibility::shown, timegrawn32, timegrawn31); }

void frmw1l2::imgpig1_MouseDown(int button)
{
    // The pig is never held: a right click saves it wherever it is on its walk.
    if (button == right_button)
        save(imgpig1, { &timepig11, &timepig12, &timepig13, &timepig14, &timepig15, &timepig16, &timepig17, &timepig18 });
    else if (button == left_button)
        game_over("Oh no!  You shot a pig!  Game over!  Please play again!");
    win_check();
}

void frmw1l2::imggrawn1_MouseDown(int button)
{
    if (button == left_button && !is_dead(imggrawn1, fire(0)))
        kill(imggrawn1, fire(0), { &timegrawn11, &timegrawn12, &timegrawn13, &timegrawn14, &timegrawn15, &timegrawn16, &timegrawn17, &timegrawn18 });
    win_check();
}

void frmw1l2::imggrawn2_MouseDown(int button)
{
    if (button == left_button && !is_dead(imggrawn2, fire(0)))
        kill(imggrawn2, fire(0), { &timegrawn21, &timegrawn22 });
    win_check();
}

void frmw1l2::imggrawn3_MouseDown(int button)
{
    // Only a live Grawn 3 lets go of the cow: a second click on its flame must not drop a cow
    // that was already saved.
    if (button == left_button && !is_dead(imggrawn3, fire(0))) {
        kill(imggrawn3, fire(0), { &timegrawn31, &timegrawn32 });
        timecow1.enable();
    }
    win_check();
}

void frmw1l2::timecow1_Timer()
{
    if (fall(imgcow1, cow_fall_step, cow_death_line))
        game_over("Oh no!  A cow died!  Game Over!  Please play again...", MsgIcon::information, lost_title);
}

void frmw1l2::imgcow1_MouseDown(int button)
{
    // Clicks on the cow count only while it falls; in the claw it can be neither saved nor shot.
    if (timecow1.enabled()) {
        if (button == right_button)
            save(imgcow1, { &timecow1 });
        else if (button == left_button)
            game_over("Oh no!  You shot a cow!  Game over!  Please play again!");
    }
    win_check();
}

void frmw1l2::win_check()
{
    if (game_over_started())
        return;
    if (imgpig1.visible() || imgcow1.visible())
        return;
    if (!is_dead(imggrawn1, fire(0)) || !is_dead(imggrawn2, fire(0)) || !is_dead(imggrawn3, fire(0)))
        return;
    hand_over("\\W1L2.mid", "frmw1l3");
}

}
