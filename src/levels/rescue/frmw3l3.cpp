// World 3, Level 3: the countdown, the Mecha Grawn's glide and weapon, the sinking animals, the
// shots on its shield and hull and its destruction.
#include "levels/rescue/frmw3l3.hpp"

#include "art/farm_animals.hpp"
#include "art/mecha_grawn.hpp"

#include <string>

namespace levels {

namespace {

constexpr double glide_step = 25;
constexpr double sink_step = 4;
constexpr double animals_top = 48;
constexpr double lost_line = 256;
constexpr int weapon_cost = 25;
constexpr int rescue_gain = 5;

}

frmw3l3::frmw3l3(Runtime& runtime)
    : BanditLevel(runtime, "frmw3l3", { .caption = "Grawn 2", .width = 370, .height = 299 })
{
    imgbf1.set_picture(make_picture("imgbf1", art::mecha_grawn(art::MechaLook::shield_hit)));
    imgbf2.set_picture(make_picture("imgbf2", art::mecha_grawn(art::MechaLook::hull_hit)));
    imgbf3.set_picture(make_picture("imgbf3", art::mecha_grawn(art::MechaLook::normal)));
    imgbf4.set_picture(make_picture("imgbf4", art::mecha_wreck()));
    imgboss.set_picture(imgbf3.picture());
    auto const pig = make_picture("imgpig1", art::pig(art::Facing::right));
    auto const sheep = make_picture("imgsheep1", art::sheep(art::Facing::right));
    auto const cow = make_picture("imgcow1", art::cow(art::Facing::right));
    imgpig1.set_picture(pig);
    imgpig2.set_picture(pig);
    imgsheep1.set_picture(sheep);
    imgsheep2.set_picture(sheep);
    imgcow1.set_picture(cow);
    imgcow2.set_picture(cow);

    timecount.on_tick = [this] { timecount_Timer(); };
    timeboss11.on_tick = [this] { timeboss11_Timer(); };
    shake.on_tick = [this] { shake_Timer(); };
    timepig11.on_tick = [this] { timepig11_Timer(); };
    blink.on_tick = [this] { blink_Timer(); };
    imgpig1.on_mouse_down = [this](MouseEvent const& e) { imgpig1_MouseDown(e.button); };
    imgpig2.on_mouse_down = [this](MouseEvent const& e) { imgpig2_MouseDown(e.button); };
    imgsheep1.on_mouse_down = [this](MouseEvent const& e) { imgsheep1_MouseDown(e.button); };
    imgsheep2.on_mouse_down = [this](MouseEvent const& e) { imgsheep2_MouseDown(e.button); };
    imgcow1.on_mouse_down = [this](MouseEvent const& e) { imgcow1_MouseDown(e.button); };
    imgcow2.on_mouse_down = [this](MouseEvent const& e) { imgcow2_MouseDown(e.button); };
    imgboss.on_mouse_down = [this](MouseEvent const& e) { imgboss_MouseDown(e.button); };
}

void frmw3l3::Form_Load()
{
    // The countdown has been running since the screen loaded; the Mecha Grawn waits for the
    // briefing.
    briefing("World 3, Level 3: Metal of Honor.",
        "The Mecha Grawn just destroyed the barn!  Destroy it before it reaches Farmer Ruv's farmhouse!  You have 2 minutes to do this, so hurry.  The Mecha Grawn is heavilly armored, so it will take a great deal of gunshots.  Also watch out for the Mecha Grawn's weapon, which will take 25% of your health.  Also watch out for farm animals in the line of fire.  If this Mecha Grawn is destroyed, the S-Grawns may be gone forever!");
    timeboss11.enable();
    PlayMusic("\\W3L3.mid");
}

void frmw3l3::Form_Unload() { StopMusic("\\W3L3.mid"); }

void frmw3l3::timecount_Timer()
{
    timetime.set_interval(timetime.interval() - 1);
    lbltime.set_caption(std::to_string(timetime.interval()));
    if (timetime.interval() == 0)
        game_over("Oh no!  You're out of time!  Game over!  Please play again.");
}

// Each pass ends off the left edge and the next begins at the right one. The weapon fires as the
// third pass starts; when it ends, the Mecha Grawn is gone and the animals come down.
void frmw3l3::timeboss11_Timer()
{
    imgboss.set_left(imgboss.left() - glide_step);
    if (imgboss.left() + imgboss.width() <= 0) {
        imgboss.set_left(scale_width());
        set_passes(passes() + 1);
    }
    if (passes() == 2) {
        shake.enable();
        change_health(-weapon_cost);
        set_passes(passes() + 1);
    }
    if (passes() == 4) {
        timeboss11.disable();
        imgboss.hide();
        timepig11.enable();
        for (Sprite* animal : { &imgpig1, &imgsheep1, &imgcow1, &imgpig2, &imgsheep2, &imgcow2 })
            animal->show();
    }
}

void frmw3l3::shake_Timer()
{
    PlayHowl();
    shake_tick(shake);
}

// All six sink, saved or not; only the first pig's depth decides the loss.
void frmw3l3::timepig11_Timer()
{
    for (Sprite* animal : { &imgpig1, &imgpig2, &imgsheep1, &imgsheep2, &imgcow1, &imgcow2 })
        animal->set_top(animal->top() + sink_step);
    if (imgpig1.top() >= lost_line)
        game_over("Oh no!  You lost some animals!  Game over!  Please play again!");
}

void frmw3l3::imgpig1_MouseDown(int button) { animal_clicked(button, imgpig1, Reward::health); }
void frmw3l3::imgpig2_MouseDown(int button) { animal_clicked(button, imgpig2, Reward::none); }
void frmw3l3::imgsheep1_MouseDown(int button) { animal_clicked(button, imgsheep1, Reward::health); }
void frmw3l3::imgsheep2_MouseDown(int button) { animal_clicked(button, imgsheep2, Reward::health); }
void frmw3l3::imgcow1_MouseDown(int button) { animal_clicked(button, imgcow1, Reward::health); }
void frmw3l3::imgcow2_MouseDown(int button) { animal_clicked(button, imgcow2, Reward::health); }

// With the last animal saved, the animals are put back up for the next time and the Mecha
// Grawn comes back from the right edge, where it left.
void frmw3l3::animal_clicked(int button, Sprite& animal, Reward reward)
{
    if (button == left_button) {
        PlayGunDead();
        game_over("Oh no!  You shot an animal!  Game over!  Please play again.");
    } else if (button == right_button) {
        animal.hide();
        if (reward == Reward::health)
            change_health(rescue_gain);
    }
    auto const animals = { &imgpig1, &imgsheep1, &imgcow1, &imgpig2, &imgsheep2, &imgcow2 };
    for (Sprite* each : animals) {
        if (each->visible())
            return;
    }
    timepig11.disable();
    for (Sprite* each : animals)
        each->set_top(animals_top);
    set_passes(0);
    timeboss11.enable();
    imgboss.show();
}

void frmw3l3::imgboss_MouseDown(int button)
{
    if (button == left_button && bosssp.interval() != 0) {
        bosssp.set_interval(bosssp.interval() - 1);
        blink.enable();
        imgboss.set_picture(imgbf1.picture());
        PlayGunDead();
    }
    // The shot that takes the last shield point strikes the hull too.
    if (button == left_button && bosssp.interval() == 0) {
        bosshp.set_interval(bosshp.interval() - 1);
        blink.enable();
        imgboss.set_picture(imgbf2.picture());
        PlayGunDead();
    }
    if (bosshp.interval() != 0)
        return;
    PlayExplosion();
    imgboss.set_picture(imgbf4.picture());
    imgboss.disable();
    timeboss11.disable();
    Pause(0.5);
    // A hit flash that ended meanwhile put the whole Mecha Grawn back.
    imgboss.set_picture(imgbf4.picture());
    Pause(3);
    timecount.disable();
    hand_over("\\W3L3.mid", "frmw3l42");
}

void frmw3l3::blink_Timer()
{
    imgboss.set_picture(imgbf3.picture());
    blink.disable();
}

// Health only shows: on this level it never ends the game.
void frmw3l3::change_health(int by)
{
    hp.set_interval(hp.interval() + by);
    lblhp.set_caption(std::to_string(hp.interval()));
}

}
