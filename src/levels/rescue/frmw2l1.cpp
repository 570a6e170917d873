// World 2, Level 1: the robbers' stand-and-shoot cycle, the player's health and the screen shake,
// the Grawn's and the pig's paces, the peeking cow, the wrong clicks and the win check.
#include "levels/rescue/frmw2l1.hpp"

#include "art/effects.hpp"
#include "art/farm_animals.hpp"
#include "art/grawn.hpp"
#include "art/robber.hpp"
#include "art/scenery.hpp"
#include "levels/rescue/rescue.hpp"

#include <string>
#include <utility>

namespace levels {

frmw2l1::frmw2l1(Runtime& runtime)
    : BanditLevel(runtime, "frmw2l1", { .caption = "Grawn 2", .width = 465, .height = 443 })
{
    auto const tree = make_picture("imgtree(0)", art::tree());
    for (auto& t : imgtree)
        t->set_picture(tree);
    imgbarn1.set_picture(make_picture("imgbarn1", art::barn()));
    imgcf1.set_picture(make_picture("imgcf1", art::cow(art::Facing::left)));
    imgcf2.set_picture(make_picture("imgcf2", art::cow(art::Facing::right)));
    imggf1.set_picture(make_picture("imggf1", art::grawn(art::Facing::left)));
    imggf2.set_picture(make_picture("imggf2", art::grawn(art::Facing::right)));
    imgpf1.set_picture(make_picture("imgpf1", art::pig(art::Facing::left)));
    imgpf2.set_picture(make_picture("imgpf2", art::pig(art::Facing::right)));
    imgbf.set_picture(make_picture("imgbf", art::blood_splat()));
    imgcow1.set_picture(imgcf1.picture());
    imgpig1.set_picture(imgpf2.picture());
    imggrawn1.set_picture(imggf1.picture());
    // Each robber faces into the farm from his side of it.
    imgrob1.set_picture(make_picture("imgrob1", art::robber(art::Facing::right)));
    imgrob2.set_picture(make_picture("imgrob2", art::robber(art::Facing::left)));

    imgrob1.on_mouse_down = [this](MouseEvent const& e) { imgrob1_MouseDown(e.button); };
    imgrob2.on_mouse_down = [this](MouseEvent const& e) { imgrob2_MouseDown(e.button); };
    imggrawn1.on_mouse_down = [this](MouseEvent const& e) { imggrawn1_MouseDown(e.button); };
    imgpig1.on_mouse_down = [this](MouseEvent const& e) { imgpig1_MouseDown(e.button); };
    imgcow1.on_mouse_down = [this](MouseEvent const& e) { imgcow1_MouseDown(e.button); };
    timerob11.on_tick = [this] { timerob11_Timer(); };
    timerob12.on_tick = [this] { timerob12_Timer(); };
    timerob21.on_tick = [this] { timerob21_Timer(); };
    timerob22.on_tick = [this] { timerob22_Timer(); };
    timegrawn11.on_tick = [this] { timegrawn11_Timer(); };
    timegrawn12.on_tick = [this] { timegrawn12_Timer(); };
    timepig11.on_tick = [this] { timepig11_Timer(); };
    timepig12.on_tick = [this] { timepig12_Timer(); };
    timecow11.on_tick = [this] { timecow11_Timer(); };
    timecow12.on_tick = [this] { timecow12_Timer(); };
    shake.on_tick = [this] { shake_Timer(); };
}

void frmw2l1::Form_Load()
{
    briefing("World 2, Level 1:  Barnyard Bandits",
        "Welcome back to the real world!  Protect Farmer Ruv's barn and all of his Farm Animals from the grawns and thieves.  Remember, for each time a thief shoots you, you'll lose 10 health %.  However, kill a thief, kill a grawn, or save a farm animal to get 10 % Health back.");
    MsgBox("By the way, you beat a world so you earned a level skip to this world.  Your code is amber crypt.  Remember, don't you caps, and space the two words.",
        MsgIcon::information, "Grawn 2");
    PlayMusic("\\W2L1.mid");
    // The Grawn, the pig and the cow have been about since the screen loaded; the robbers open
    // fire only once the player has read both boxes.
    timerob11.enable();
    timerob21.enable();
}

void frmw2l1::Form_Unload() { StopMusic("\\W2L1.mid"); }

void frmw2l1::imgrob1_MouseDown(int button)
{
    shoot_at(button, imgrob1, imgbf, { &timerob11, &timerob12 }, health);
    win_check();
}

void frmw2l1::imgrob2_MouseDown(int button)
{
    shoot_at(button, imgrob2, imgbf, { &timerob21, &timerob22 }, health);
    win_check();
}

void frmw2l1::imggrawn1_MouseDown(int button)
{
    shoot_at(button, imggrawn1, imgbf, { &timegrawn11, &timegrawn12 }, health);
    win_check();
}

void frmw2l1::imgpig1_MouseDown(int button)
{
    rescue(button, imgpig1, { &timepig11, &timepig12 }, "You evil person!  You shot a pig!  Game over!  Please play again.");
}

void frmw2l1::imgcow1_MouseDown(int button)
{
    rescue(button, imgcow1, { &timecow11, &timecow12 }, "You evil person!  You shot a cow!  Game over!  Please play again.");
}

// A robber stands, then ducks and fires; he stands again after a second down.
void frmw2l1::timerob11_Timer() { robber_fires(imgrob1, timerob11, timerob12, health); }
void frmw2l1::timerob12_Timer() { robber_stands(imgrob1, timerob12, timerob11); }
void frmw2l1::timerob21_Timer() { robber_fires(imgrob2, timerob21, timerob22, health); }
void frmw2l1::timerob22_Timer() { robber_stands(imgrob2, timerob22, timerob21); }

// The Grawn runs along the bottom and paces there.
void frmw2l1::timegrawn11_Timer() { walk(imggrawn1, { Axis::x, -18, Until::at_most, 32 }, timegrawn11, &timegrawn12, &imggf2); }
void frmw2l1::timegrawn12_Timer() { walk(imggrawn1, { Axis::x, 18, Until::at_least, 250 }, timegrawn12, &timegrawn11, &imggf1); }

// The pig paces the top of the field.
void frmw2l1::timepig11_Timer() { walk(imgpig1, { Axis::x, 18, Until::at_least, 330 }, timepig11, &timepig12, &imgpf1); }
void frmw2l1::timepig12_Timer() { walk(imgpig1, { Axis::x, -18, Until::at_most, 75 }, timepig12, &timepig11, &imgpf2); }

// The cow hides for five seconds and peeks out for a quarter of one.
void frmw2l1::timecow11_Timer() { blink(imgcow1, Visibility::shown, timecow11, timecow12); }
void frmw2l1::timecow12_Timer() { blink(imgcow1, Visibility::hidden, timecow12, timecow11); }

void frmw2l1::shake_Timer() { shake_tick(shake); }

// The right button saves an animal; the left shoots it, and that is the end of the game.
void frmw2l1::rescue(int button, Sprite& animal, std::initializer_list<Timer*> timers, std::string shot_text)
{
    if (button == left_button) {
        PlayGunDead();
        game_over(std::move(shot_text), MsgIcon::exclamation, "You Baffoon!");
    } else if (button == right_button) {
        gain(health);
        save(animal, timers);
    }
    win_check();
}

void frmw2l1::win_check()
{
    if (game_over_started())
        return;
    if (!is_dead(imggrawn1, imgbf))
        return;
    if (timerob11.enabled() || timerob12.enabled() || timerob21.enabled() || timerob22.enabled())
        return;
    if (imgpig1.visible() || timecow11.enabled() || timecow12.enabled())
        return;
    hand_over("\\W2L1.mid", "frmw2l2");
}

}
