// World 4, Level 2: the Big Bad Grawn's cycle of walk, jump, sinking animals, the biting Grawn,
// attack mode and its cannon, and its destruction.
#include "levels/rescue/frmw4l2.hpp"

#include "art/big_mecha.hpp"
#include "art/farm_animals.hpp"
#include "art/grawn.hpp"
#include "art/mecha_grawn.hpp"

#include <string>

namespace levels {

namespace {

constexpr double walk_step = 10;
constexpr double walk_start = 200;
constexpr double walk_end = 50;
constexpr double boss_top = 64;
constexpr double hop_step = 5;
constexpr double sink_step = 6;
constexpr double lost_line = 256;
constexpr double grawn_step = 40;
constexpr double grawn_restart = -75;
constexpr double bite_line = 216;
constexpr int bite_cost = 10;
constexpr int cannon_cost = 20;
constexpr int hits_to_abort = 15;
constexpr int abort_damage = 15;
constexpr int first_countdown = 10;
constexpr int countdown_after_cannon = 15;
constexpr int jolt_rounds = 3;

}

frmw4l2::frmw4l2(Runtime& runtime)
    : Screen(runtime, "frmw4l2", { .caption = "Grawn 2", .width = 471, .height = 302 })
{
    imgbossf1.set_picture(make_picture("imgbossf1", art::big_mecha_grawn(art::BigMechaLook::standing, art::Shields::up)));
    imgbossf2.set_picture(make_picture("imgbossf2", art::big_mecha_grawn(art::BigMechaLook::striding, art::Shields::up)));
    imgbossf3.set_picture(make_picture("imgbossf3", art::big_mecha_grawn(art::BigMechaLook::hit, art::Shields::down)));
    imgbossf4.set_picture(make_picture("imgbossf4", art::mecha_wreck()));
    boss.set_picture(imgbossf1.picture());
    imgpig1.set_picture(make_picture("imgpig1", art::pig(art::Facing::right)));
    imgsheep1.set_picture(make_picture("imgsheep1", art::sheep(art::Facing::right)));
    imgcow1.set_picture(make_picture("imgcow1", art::cow(art::Facing::left)));
    imggrawn1.set_picture(make_picture("imggrawn1", art::grawn(art::Facing::right)));

    boss.on_mouse_down = [this](MouseEvent const& e) { boss_MouseDown(e.button); };
    imgcow1.on_mouse_down = [this](MouseEvent const& e) { imgcow1_MouseDown(e.button); };
    imgpig1.on_mouse_down = [this](MouseEvent const& e) { imgpig1_MouseDown(e.button); };
    imgsheep1.on_mouse_down = [this](MouseEvent const& e) { imgsheep1_MouseDown(e.button); };
    imggrawn1.on_mouse_down = [this](MouseEvent const& e) { imggrawn1_MouseDown(e.button); };
    timebw.on_tick = [this] { timebw_Timer(); };
    timehop1.on_tick = [this] { timehop1_Timer(); };
    timefall.on_tick = [this] { timefall_Timer(); };
    timegrawn1.on_tick = [this] { timegrawn1_Timer(); };
    timebw2.on_tick = [this] { timebw2_Timer(); };
    timecount.on_tick = [this] { timecount_Timer(); };
    timered.on_tick = [this] { timered_Timer(); };
    shake.on_tick = [this] { shake_Timer(); };
    shake2.on_tick = [this] { shake2_Timer(); };
}

// The boss walks in from load on, behind the briefing.
void frmw4l2::Form_Load()
{
    briefing("World 4, Level 2: The Big Bad Grawn",
        "With all of the Thieves and Grawns apparently gone, you have decided to return home to the barn to rest.  However, a suprise attack on the farm has been executed. And it's the Mecha Grawn!  Apparantly the first Mecha Grawn was just a deccoy for this one.  This one proves to be atleast twice as tough, and the shields are seemingly invincible!  Save all the farm animals in the way of this thing's path of destruction and try to find a weakpoint.");
    PlayMusic("\\W4L2.mid");
}

void frmw4l2::Form_Unload() { StopMusic("\\W4L2.mid"); }

PicturePtr frmw4l2::bare_boss() { return make_picture("imgbossbare", art::big_mecha_grawn(art::BigMechaLook::standing, art::Shields::down)); }

void frmw4l2::boss_MouseDown(int button)
{
    // Judged as the shot lands: a shot the shields stopped does not also count as a hit when
    // attack mode begins while its box is open.
    bool const attacking = timecount.enabled();
    if (button == left_button && !attacking)
        MsgBox("Can't penetrate its shields!");
    if (button == left_button && attacking) {
        timered.enable();
        boss.set_picture(imgbossf3.picture());
        set_hits(hits() + 1);
    }
    if (hits() != hits_to_abort)
        return;
    // The countdown stops before the box opens: an aborted cannon must not fire while the
    // player reads that it was aborted.
    timecount.disable();
    Label2.hide();
    lbltime.hide();
    MsgBox("Weapon fire aborted!");
    withdraw();
    timebw.enable();
    bosshp.set_interval(bosshp.interval() - abort_damage);
    set_countdown(first_countdown);
    set_hits(0);
}

void frmw4l2::imgcow1_MouseDown(int button) { animal_clicked(button, imgcow1, "cow", 3); }
void frmw4l2::imgpig1_MouseDown(int button) { animal_clicked(button, imgpig1, "pig", 3); }
void frmw4l2::imgsheep1_MouseDown(int button) { animal_clicked(button, imgsheep1, "sheep", 4); }

// With all three saved, they go back up for the next landing and the Grawn starts its run from
// wherever it was left.
void frmw4l2::animal_clicked(int button, Sprite& animal, std::string const& name, int reward)
{
    if (button == left_button)
        game_over("You moron!  You shot a " + name + "!  Game over!");
    if (button == right_button) {
        animal.hide();
        change_health(reward);
    }
    if (imgcow1.visible() || imgpig1.visible() || imgsheep1.visible())
        return;
    timefall.disable();
    for (Sprite* each : { &imgpig1, &imgsheep1, &imgcow1 })
        each->set_top(0);
    boss.hide();
    imggrawn1.show();
    timegrawn1.enable();
}

void frmw4l2::imggrawn1_MouseDown(int button)
{
    if (button != left_button)
        return;
    shake.enable();
    timegrawn1.disable();
    imggrawn1.hide();
    boss.set_left(walk_start);
    timebw2.enable();
    boss.show();
}

// The walk in; the boss is destroyed only here, on the first walk after its last point is gone.
void frmw4l2::timebw_Timer()
{
    stride();
    if (boss.left() <= walk_end) {
        timebw.disable();
        timehop1.enable();
    }
    if (bosshp.interval() != 0)
        return;
    timebw.disable();
    boss.set_picture(imgbossf4.picture());
    PlayExplosion();
    Pause(2);
    MsgBox("Boss Destroyed!");
    show_screen("frmw4l3x");
    hide();
    StopMusic("\\W4L2.mid");
}

// It lands where it started, shaking the ground, and the animals come down from the top.
void frmw4l2::timehop1_Timer()
{
    boss.set_top(boss.top() - hop_step);
    if (boss.top() > 0)
        return;
    boss.set_top(boss_top);
    shake.enable();
    timehop1.disable();
    timefall.enable();
    imgcow1.show();
    imgsheep1.show();
    imgpig1.show();
}

// Saved animals sink on unseen; only the pig's depth decides the loss.
void frmw4l2::timefall_Timer()
{
    for (Sprite* animal : { &imgpig1, &imgcow1, &imgsheep1 })
        animal->set_top(animal->top() + sink_step);
    if (imgpig1.top() >= lost_line)
        game_over("Oh no!  A pig died!  And you've come so far!  Please play again.");
}

// One bite per pass across the field.
void frmw4l2::timegrawn1_Timer()
{
    imggrawn1.set_left(imggrawn1.left() + grawn_step);
    if (imggrawn1.left() >= scale_width()) {
        imggrawn1.set_left(grawn_restart);
        set_bite_flag(0);
    }
    if (imggrawn1.left() >= bite_line && bite_flag() != 1) {
        set_bite_flag(1);
        shake2.enable();
        change_health(-bite_cost);
    }
}

void frmw4l2::timebw2_Timer()
{
    stride();
    if (boss.left() > walk_end)
        return;
    // The dome vanishes as the box says the shields are lowered.
    boss.set_picture(m_bare);
    MsgBox("Attack mode engaged!  The shields are lowered, but you better act fast and damage the systems or you may get hit by its mega cannon!");
    timebw2.disable();
    timecount.enable();
    Label2.show();
    lbltime.show();
}

void frmw4l2::timecount_Timer()
{
    set_countdown(countdown() - 1);
    lbltime.set_caption(std::to_string(countdown()));
    if (countdown() != 0)
        return;
    shake2.enable();
    change_health(-cannon_cost);
    withdraw();
    timebw.enable();
    timecount.disable();
    Label2.hide();
    lbltime.hide();
    set_countdown(countdown_after_cannon);
}

// The flash ends on the bare boss while its shields are down; a flash still running as an
// aborted shot brings them up again ends on the shielded one.
void frmw4l2::timered_Timer()
{
    boss.set_picture(timecount.enabled() ? m_bare : imgbossf1.picture());
    timered.disable();
}

// The landing and the shot Grawn are heard as a gunshot, the bites and the cannon as a howl.
void frmw4l2::shake_Timer()
{
    PlayGunDead();
    long_shake(shake);
}

void frmw4l2::shake2_Timer()
{
    PlayHowl();
    long_shake(shake2);
}

void frmw4l2::stride()
{
    boss.set_left(boss.left() - walk_step);
    boss.set_picture(imgbossf2.picture());
    Pause(0.4);
    boss.set_left(boss.left() - walk_step);
    boss.set_picture(imgbossf1.picture());
}

// It comes back with its shields up.
void frmw4l2::withdraw()
{
    boss.hide();
    Pause(4);
    boss.set_picture(imgbossf1.picture());
    boss.show();
    boss.set_left(walk_start);
}

void frmw4l2::long_shake(Timer& timer)
{
    for (int round = 0; round < jolt_rounds; ++round)
        shake_window();
    timer.disable();
}

// Health only shows: on this level it never ends the game, and it may go below nothing.
void frmw4l2::change_health(int by)
{
    hp.set_interval(hp.interval() + by);
    lblhp.set_caption(std::to_string(hp.interval()));
}

}
