// World 3, Level 1: the barking patrols and their shakes, the peeking Grawn, the claws and falls,
// the robber's rare appearances, the wrong clicks and the win check.
#include "levels/rescue/frmw3l1.hpp"

#include "art/claw.hpp"
#include "art/effects.hpp"
#include "art/farm_animals.hpp"
#include "art/grawn.hpp"
#include "art/robber.hpp"
#include "art/scenery.hpp"
#include "levels/rescue/rescue.hpp"

#include <array>
#include <utility>

namespace levels {

namespace {

constexpr double fall_step = 5;
// An animal whose Top reaches this line is lost.
constexpr double lost_line = 360;
constexpr int health_step = 10;

// The marks a Grawn barks at while passing them on its way right; each window is narrower than
// the Grawn's step, so it barks once a pass.
struct BarkWindow {
    double from;
    double to;
    bool holds(Sprite const& grawn) const { return grawn.left() >= from && grawn.left() <= to; }
};
constexpr BarkWindow grawn1_bark { 200, 210 };
constexpr BarkWindow grawn2_bark { 300, 315 };

constexpr char const* game_over_title = "Game Over!";
constexpr char const* died_text = "You died!  Game over!";

}

frmw3l1::frmw3l1(Runtime& runtime)
    : BanditLevel(runtime, "frmw3l1", { .caption = "Grawn 2", .width = 395, .height = 401, .back = { 120, 176, 216 } })
{
    auto const tree_picture = make_picture("tree(0)", art::tree());
    for (auto& t : tree)
        t->set_picture(tree_picture);
    imgbf1.set_picture(make_picture("imgbf1", art::blood_splat()));
    imggf1.set_picture(make_picture("imggf1", art::s_grawn(art::Mutation::mutated, art::Facing::left)));
    imggf2.set_picture(make_picture("imggf2", art::s_grawn(art::Mutation::mutated, art::Facing::right)));
    imgcf1.set_picture(make_picture("imgcf1", art::claw(art::ClawState::closed)));
    imgcf2.set_picture(make_picture("imgcf2", art::claw(art::ClawState::open)));
    imgclaw1.set_picture(imgcf1.picture());
    imgclaw2.set_picture(imgcf1.picture());
    // Grawn 1 sets off left, Grawn 2 right; Grawn 3 looks down into the wood from its corner.
    imggrawn1.set_picture(imggf1.picture());
    imggrawn2.set_picture(imggf2.picture());
    imggrawn3.set_picture(imggf1.picture());
    imgrob1.set_picture(make_picture("imgrob1", art::robber(art::Facing::right)));
    imgpig1.set_picture(make_picture("imgpig1", art::pig(art::Facing::right)));
    imgsheep1.set_picture(make_picture("imgsheep1", art::sheep(art::Facing::left)));

    imgpig1.on_mouse_down = [this](MouseEvent const& e) { imgpig1_MouseDown(e.button); };
    imgsheep1.on_mouse_down = [this](MouseEvent const& e) { imgsheep1_MouseDown(e.button); };
    imggrawn1.on_mouse_down = [this](MouseEvent const& e) { imggrawn1_MouseDown(e.button); };
    imggrawn2.on_mouse_down = [this](MouseEvent const& e) { imggrawn2_MouseDown(e.button); };
    imggrawn3.on_mouse_down = [this](MouseEvent const& e) { imggrawn3_MouseDown(e.button); };
    imgrob1.on_mouse_down = [this](MouseEvent const& e) { imgrob1_MouseDown(e.button); };
    timegrawn11.on_tick = [this] { timegrawn11_Timer(); };
    timegrawn12.on_tick = [this] { timegrawn12_Timer(); };
    timegrawn21.on_tick = [this] { timegrawn21_Timer(); };
    timegrawn22.on_tick = [this] { timegrawn22_Timer(); };
    timegrawn31.on_tick = [this] { timegrawn31_Timer(); };
    timegrawn32.on_tick = [this] { timegrawn32_Timer(); };
    timepig11.on_tick = [this] { timepig11_Timer(); };
    timesheep11.on_tick = [this] { timesheep11_Timer(); };
    timerob11.on_tick = [this] { timerob11_Timer(); };
    timerob12.on_tick = [this] { timerob12_Timer(); };
    shake.on_tick = [this] { shake_Timer(); };
    shake2.on_tick = [this] { shake2_Timer(); };
}

Rect frmw3l1::tree_place(int index)
{
    static std::array<Rect, 4> const places { { { 8, 40, 90, 160 }, { 232, 0, 90, 160 }, { 160, 88, 90, 160 }, { 288, 240, 90, 160 } } };
    return places.at(index);
}

void frmw3l1::Form_Load()
{
    StopMusic("\\W2L52.mid");
    briefing("World 3, Level 1: The S-Bomb",
        "The pig who was saved from the Grawn Re-Incarnation machine has proved you valuable information (don't ask how...)  It turns out that the Grawns are building a Mecha Machine that will destroy Farmer Ruv's whole farm.  You must venture very deep in to the forest to find the Grawne's HQ, and destroy this Death Star of a machine before it is fully operational.  Also, it seems that many grawns have been injected with the smart serum, and have grown an adaptation.  This allows the grawns to attack you with a supersonic bark.  This will take 10% of your health, so kill the S-Grawns before they can kill you.  Don't forget, like always, to save all of the farm animals.");
    PlayMusic("\\W3L1.mid");
    // Grawn 3 has been peeking since the screen loaded; the patrols and the robber start once
    // the player has read the briefing.
    timegrawn11.enable();
    timegrawn21.enable();
    timerob11.enable();
}

void frmw3l1::Form_Unload() { StopMusic("\\W3L1.mid"); }

bool frmw3l1::strike(int button, Sprite& enemy, Timer& first, Timer& second)
{
    if (button != left_button || is_dead(enemy, imgbf1))
        return false;
    shoot_at(button, enemy, imgbf1, { &first, &second }, health, Report::silent);
    return true;
}

void frmw3l1::release(Timer& fall_timer, Sprite& claw)
{
    fall_timer.enable();
    claw.set_picture(imgcf2.picture());
}

// The left button shoots an animal, in its claw or not, and that is the end of the game; the
// right button saves it only while it falls.
void frmw3l1::rescue(int button, Sprite& animal, Timer& fall_timer, std::string shot_text)
{
    if (button == left_button) {
        game_over(std::move(shot_text), MsgIcon::information, game_over_title);
    } else if (button == right_button && fall_timer.enabled()) {
        save(animal, { &fall_timer });
        gain(health);
    }
    win_check();
}

void frmw3l1::imgpig1_MouseDown(int button)
{
    rescue(button, imgpig1, timepig11, "You moron!  You shot a pig!  Haven't you learned by now?  Game over!");
}

void frmw3l1::imgsheep1_MouseDown(int button)
{
    rescue(button, imgsheep1, timesheep11, "You moron!  You shot a sheep!  Haven't you learned by now?  Game over!");
}

void frmw3l1::imggrawn1_MouseDown(int button)
{
    if (strike(button, imggrawn1, timegrawn11, timegrawn12))
        release(timepig11, imgclaw2);
    win_check();
}

void frmw3l1::imggrawn2_MouseDown(int button)
{
    strike(button, imggrawn2, timegrawn21, timegrawn22);
    win_check();
}

void frmw3l1::imggrawn3_MouseDown(int button)
{
    if (strike(button, imggrawn3, timegrawn31, timegrawn32))
        release(timesheep11, imgclaw1);
    win_check();
}

void frmw3l1::imgrob1_MouseDown(int button)
{
    strike(button, imgrob1, timerob11, timerob12);
    win_check();
}

void frmw3l1::check_health()
{
    if (hp.interval() == 0)
        game_over(died_text, MsgIcon::information, game_over_title);
}

void frmw3l1::bark()
{
    PlayHowl();
    shake2.enable();
    lose_health(health, health_step);
}

// The patrols run the width of the wood; the health check follows every rightward step, bark or
// no bark.
void frmw3l1::timegrawn11_Timer() { walk(imggrawn1, { Axis::x, -15, Until::at_most, 0 }, timegrawn11, &timegrawn12, &imggf2); }

void frmw3l1::timegrawn12_Timer()
{
    walk(imggrawn1, { Axis::x, 15, Until::at_least, scale_width() }, timegrawn12, &timegrawn11, &imggf1);
    if (grawn1_bark.holds(imggrawn1))
        bark();
    check_health();
}

void frmw3l1::timegrawn21_Timer()
{
    walk(imggrawn2, { Axis::x, 25, Until::at_least, scale_width() }, timegrawn21, &timegrawn22, &imggf1);
    if (grawn2_bark.holds(imggrawn2))
        bark();
    check_health();
}

void frmw3l1::timegrawn22_Timer() { walk(imggrawn2, { Axis::x, -25, Until::at_most, 0 }, timegrawn22, &timegrawn21, &imggf2); }

// Grawn 3 shows itself for a quarter of a second every five.
void frmw3l1::timegrawn31_Timer() { blink(imggrawn3, Visibility::hidden, timegrawn31, timegrawn32); }
void frmw3l1::timegrawn32_Timer() { blink(imggrawn3, Visibility::shown, timegrawn32, timegrawn31); }

void frmw3l1::fall_tick(Sprite& animal, std::string lost_text)
{
    if (fall(animal, fall_step, lost_line + animal.height()))
        game_over(std::move(lost_text), MsgIcon::information, game_over_title);
}

void frmw3l1::timepig11_Timer() { fall_tick(imgpig1, "Oh no!  You lost a pig!  Game over!"); }
void frmw3l1::timesheep11_Timer() { fall_tick(imgsheep1, "Oh no!  You lost a sheep!  Game over!"); }

// The robber stands for a moment, ducks and fires, and stays down four seconds. The shake is
// set off before any game-over box, so that the fatal shot is heard too.
void frmw3l1::timerob11_Timer()
{
    blink(imgrob1, Visibility::hidden, timerob11, timerob12);
    lose_health(health, health_step);
    shake.enable();
    check_health();
}

void frmw3l1::timerob12_Timer() { robber_stands(imgrob1, timerob12, timerob11); }

void frmw3l1::shake_Timer() { shake_tick(shake, Report::gunshot); }

void frmw3l1::shake2_Timer() { shake_tick(shake2); }

void frmw3l1::win_check()
{
    if (game_over_started() || imgpig1.visible() || imgsheep1.visible())
        return;
    for (Sprite const* enemy : { &imggrawn1, &imggrawn2, &imggrawn3, &imgrob1 }) {
        if (!is_dead(*enemy, imgbf1))
            return;
    }
    hand_over("\\W3L1.mid", "frmw3l2");
}

}
