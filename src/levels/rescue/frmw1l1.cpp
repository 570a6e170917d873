// World 1, Level 1: patrols, kills, falls, saves and the win check of the first rescue level.
#include "levels/rescue/frmw1l1.hpp"

#include "art/claw.hpp"
#include "art/effects.hpp"
#include "art/farm_animals.hpp"
#include "art/grawn.hpp"
#include "levels/rescue/rescue.hpp"

#include <array>

namespace levels {

namespace {

constexpr double fall_step = 9;
constexpr double flames_line = 432;

}

frmw1l1::frmw1l1(Runtime& runtime)
    : Screen(runtime, "frmw1l1", { .caption = "Grawn 2", .width = 477, .height = 458, .back = { 128, 0, 0 } })
{
    imggf1.set_picture(make_picture("imggf1", art::grawn(art::Facing::left)));
    imggf2.set_picture(make_picture("imggf2", art::grawn(art::Facing::right)));
    imgcf1.set_picture(make_picture("imgcf1", art::claw(art::ClawState::closed)));
    imgcf2.set_picture(make_picture("imgcf2", art::claw(art::ClawState::open)));
    auto const flame = make_picture("fire(0)", art::flame());
    for (auto& f : fire)
        f->set_picture(flame);
    for (Sprite* claw : { &imgclaw1, &imgclaw2, &imgclaw3 })
        claw->set_picture(imgcf1.picture());
    for (Sprite* grawn : { &imggrawn1, &imggrawn2, &imggrawn3 })
        grawn->set_picture(imggf1.picture());
    imgpig1.set_picture(make_picture("imgpig1", art::pig(art::Facing::right)));
    imgpig2.set_picture(make_picture("imgpig2", art::pig(art::Facing::left)));
    imgcow1.set_picture(make_picture("imgcow1", art::cow(art::Facing::left)));
    imgsheep1.set_picture(make_picture("imgsheep1", art::sheep(art::Facing::left)));

    imggrawn1.on_mouse_down = [this](MouseEvent const& e) { imggrawn1_MouseDown(e.button); };
    imggrawn2.on_mouse_down = [this](MouseEvent const& e) { imggrawn2_MouseDown(e.button); };
    imggrawn3.on_mouse_down = [this](MouseEvent const& e) { imggrawn3_MouseDown(e.button); };
    imgpig1.on_mouse_down = [this](MouseEvent const& e) { imgpig1_MouseDown(e.button); };
    imgpig2.on_mouse_down = [this](MouseEvent const& e) { imgpig2_MouseDown(e.button); };
    imgcow1.on_mouse_down = [this](MouseEvent const& e) { imgcow1_MouseDown(e.button); };
    imgsheep1.on_mouse_down = [this](MouseEvent const& e) { imgsheep1_MouseDown(e.button); };
    timegrawn11.on_tick = [this] { timegrawn11_Timer(); };
    timegrawn12.on_tick = [this] { timegrawn12_Timer(); };
    timegrawn21.on_tick = [this] { timegrawn21_Timer(); };
    timegrawn22.on_tick = [this] { timegrawn22_Timer(); };
    timegrawn31.on_tick = [this] { timegrawn31_Timer(); };
    timegrawn32.on_tick = [this] { timegrawn32_Timer(); };
    timepig1.on_tick = [this] { timepig1_Timer(); };
    timepig2.on_tick = [this] { timepig2_Timer(); };
    timecow1.on_tick = [this] { timecow1_Timer(); };
    timesheep11.on_tick = [this] { timesheep11_Timer(); };
    timesheep12.on_tick = [this] { timesheep12_Timer(); };
}

platform::LinePoints frmw1l1::mountain_side(int index)
{
    struct Mountain {
        double peak_x, peak_y, left_foot, right_foot;
    };
    static std::array<Mountain, 4> const mountains { { { 48, 16, 8, 88 }, { 136, 24, 96, 208 }, { 216, 24, 176, 288 }, { 352, 24, 312, 424 } } };
    auto const& m = mountains.at(index / 2);
    double const foot = index % 2 == 0 ? m.left_foot : m.right_foot;
    return { foot, 72, m.peak_x, m.peak_y };
}

void frmw1l1::Form_Load()
{
    briefing("Grawn 2",
        "World 1, Level 1.  Welcome back to Grawn!  If you do not know the controls, here they are:  Your mouse consists of two buttons.  A left button (left clicking), and a right button (right clicking).  To kill a grawn or thieve, left click on them.  To save a farm animal, right click on them.  Remember, you'll need to click very fast your some levels, so practice now.  A new thing in Grawn 2 to everyone is Claws.  When a farm animal is being held by a claw, they can not be saved.  However, once you kill some enemies, the claws may loosen and the farm animals will fall.  Make sure you save them before they fall into the flames!  Anyways, save all of the animals falling down from heaven, and kill all of the grawns!");
    PlayMusic("\\W1L1.mid");
}

void frmw1l1::Form_Unload() { StopMusic("\\W1L1.mid"); }

void frmw1l1::kill_grawn(Guard const& guard, int button)
{
    if (button != left_button || is_dead(guard.grawn, fire(0)))
        return;
    kill(guard.grawn, fire(0), { &guard.first, &guard.second });
    lblmsg.set_caption("Grawn Killed!");
    guard.fall.enable();
    guard.claw.set_picture(imgcf2.picture());
}

void frmw1l1::imggrawn1_MouseDown(int button) { kill_grawn({ imggrawn1, timegrawn11, timegrawn12, timepig1, imgclaw1 }, button); }
void frmw1l1::imggrawn2_MouseDown(int button) { kill_grawn({ imggrawn2, timegrawn21, timegrawn22, timepig2, imgclaw2 }, button); }
void frmw1l1::imggrawn3_MouseDown(int button) { kill_grawn({ imggrawn3, timegrawn31, timegrawn32, timecow1, imgclaw3 }, button); }

void frmw1l1::timegrawn11_Timer() { walk(imggrawn1, { Axis::x, -12, Until::at_most, 248 }, timegrawn11, &timegrawn12, &imggf2); }
void frmw1l1::timegrawn12_Timer() { walk(imggrawn1, { Axis::x, 12, Until::at_least, 328 }, timegrawn12, &timegrawn11, &imggf1); }
void frmw1l1::timegrawn21_Timer() { walk(imggrawn2, { Axis::x, -15, Until::at_most, 56 }, timegrawn21, &timegrawn22, &imggf2); }
void frmw1l1::timegrawn22_Timer() { walk(imggrawn2, { Axis::x, 15, Until::at_least, 272 }, timegrawn22, &timegrawn21, &imggf1); }
void frmw1l1::timegrawn31_Timer() { walk(imggrawn3, { Axis::y, -19, Until::at_most, 56 }, timegrawn31, &timegrawn32, &imggf2); }
void frmw1l1::timegrawn32_Timer() { walk(imggrawn3, { Axis::y, 19, Until::at_least, 392 }, timegrawn32, &timegrawn31, &imggf1); }

void frmw1l1::fall_tick(Sprite& animal, std::string const& lost_text)
{
    if (fall(animal, fall_step, flames_line))
        game_over(lost_text);
}

void frmw1l1::timepig1_Timer() { fall_tick(imgpig1, "Oh no!  A pig died!  Game over!  Please play again!"); }
void frmw1l1::timepig2_Timer() { fall_tick(imgpig2, "Oh no!  A pig died!  Game over!  Please play again!"); }
void frmw1l1::timecow1_Timer() { fall_tick(imgcow1, "Oh no!  A cow died!  Game over!  Please play again!"); }

void frmw1l1::save_animal(Sprite& animal, Timer& fall_timer, std::string const& saved_text, int button)
{
    if (button == right_button && fall_timer.enabled()) {
        save(animal, { &fall_timer });
        lblmsg.set_caption(saved_text);
    }
    win_check();
}

void frmw1l1::imgpig1_MouseDown(int button) { save_animal(imgpig1, timepig1, "Pig Saved!", button); }
void frmw1l1::imgpig2_MouseDown(int button) { save_animal(imgpig2, timepig2, "Pig Saved!", button); }
void frmw1l1::imgcow1_MouseDown(int button) { save_animal(imgcow1, timecow1, "Cow Saved!", button); }

void frmw1l1::timesheep11_Timer() { blink(imgsheep1, Visibility::hidden, timesheep11, timesheep12); }
void frmw1l1::timesheep12_Timer() { blink(imgsheep1, Visibility::shown, timesheep12, timesheep11); }

void frmw1l1::imgsheep1_MouseDown(int button)
{
    if (button == right_button) {
        save(imgsheep1, { &timesheep12, &timesheep11 });
        lblmsg.set_caption("Sheep Saved!");
    }
    win_check();
}

void frmw1l1::win_check()
{
    if (game_over_started())
        return;
    if (imgpig1.visible() || imgpig2.visible() || imgcow1.visible() || timesheep11.enabled() || timesheep12.enabled())
        return;
    hand_over("\\W1L1.mid", "frmw1l2");
}

}
