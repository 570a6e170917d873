// World 2, Level 2: four robbers on their own stand-and-fire rhythms, the blinking Grawn, the
// wandering pig, the wrong click and the win check.
#include "levels/rescue/frmw2l2.hpp"

#include "art/effects.hpp"
#include "art/farm_animals.hpp"
#include "art/grawn.hpp"
#include "art/robber.hpp"
#include "art/scenery.hpp"
#include "levels/rescue/rescue.hpp"

#include <array>

namespace levels {

frmw2l2::frmw2l2(Runtime& runtime)
    : BanditLevel(runtime, "frmw2l2", { .caption = "Grawn 2", .width = 416, .height = 402 })
{
    auto const tree = make_picture("imgtree(0)", art::tree());
    for (auto& t : imgtree)
        t->set_picture(tree);
    imgpf1.set_picture(make_picture("imgpf1", art::pig(art::Facing::left)));
    imgpf2.set_picture(make_picture("imgpf2", art::pig(art::Facing::right)));
    imgbf.set_picture(make_picture("imgbf", art::blood_splat()));
    imgpig1.set_picture(imgpf1.picture());
    imggrawn1.set_picture(make_picture("imggrawn1", art::grawn(art::Facing::right)));
    // The robbers face into the wood from where they stand.
    auto const facing_right = make_picture("imgrob1", art::robber(art::Facing::right));
    auto const facing_left = make_picture("imgrob2", art::robber(art::Facing::left));
    imgrob1.set_picture(facing_right);
    imgrob2.set_picture(facing_left);
    imgrob3.set_picture(facing_left);
    imgrob4.set_picture(facing_right);

    imgrob1.on_mouse_down = [this](MouseEvent const& e) { imgrob1_MouseDown(e.button); };
    imgrob2.on_mouse_down = [this](MouseEvent const& e) { imgrob2_MouseDown(e.button); };
    imgrob3.on_mouse_down = [this](MouseEvent const& e) { imgrob3_MouseDown(e.button); };
    imgrob4.on_mouse_down = [this](MouseEvent const& e) { imgrob4_MouseDown(e.button); };
    imggrawn1.on_mouse_down = [this](MouseEvent const& e) { imggrawn1_MouseDown(e.button); };
    imgpig1.on_mouse_down = [this](MouseEvent const& e) { imgpig1_MouseDown(e.button); };
    timerob11.on_tick = [this] { timerob11_Timer(); };
    timerob12.on_tick = [this] { timerob12_Timer(); };
    timerob21.on_tick = [this] { timerob21_Timer(); };
    timerob22.on_tick = [this] { timerob22_Timer(); };
    timerob31.on_tick = [this] { timerob31_Timer(); };
    timerob32.on_tick = [this] { timerob32_Timer(); };
    timerob41.on_tick = [this] { timerob41_Timer(); };
    timerob42.on_tick = [this] { timerob42_Timer(); };
    timegrawn11.on_tick = [this] { timegrawn11_Timer(); };
    timegrawn12.on_tick = [this] { timegrawn12_Timer(); };
    timepig11.on_tick = [this] { timepig11_Timer(); };
    timepig12.on_tick = [this] { timepig12_Timer(); };
    shake.on_tick = [this] { shake_Timer(); };
}

Rect frmw2l2::tree_place(int index)
{
    static std::array<Rect, 8> const places { { { 16, 104, 90, 160 }, { 304, 0, 90, 160 }, { 248, 184, 90, 160 }, { 72, 112, 90, 160 },
        { 0, 144, 90, 160 }, { 24, 312, 90, 160 }, { 360, 112, 90, 160 }, { 176, -48, 90, 160 } } };
    return places.at(index);
}

void frmw2l2::Form_Load()
{
    briefing("World 2, Level 2: Tons O' Trees",
        "As you near the Grawn Re-Incarnation machine, several grawns and thieves have set up a defense.  Blast through them all, and naturally save all the farm animals.");
    PlayMusic("\\W2L2.mid");
    // Robber 1 stands from the start, robbers 2 and 4 are down; robber 3 starts on his standing
    // timer though nobody sees him, so his first shot comes from nowhere.
    timerob22.enable();
    timerob11.enable();
    timerob31.enable();
    timerob42.enable();
}

void frmw2l2::Form_Unload() { StopMusic("\\W2L2.mid"); }

void frmw2l2::timerob11_Timer() { robber_fires(imgrob1, timerob11, timerob12, health); }
void frmw2l2::timerob12_Timer() { robber_stands(imgrob1, timerob12, timerob11); }
void frmw2l2::timerob21_Timer() { robber_fires(imgrob2, timerob21, timerob22, health); }
void frmw2l2::timerob22_Timer() { robber_stands(imgrob2, timerob22, timerob21); }
void frmw2l2::timerob31_Timer() { robber_fires(imgrob3, timerob31, timerob32, health); }
void frmw2l2::timerob32_Timer() { robber_stands(imgrob3, timerob32, timerob31); }
void frmw2l2::timerob41_Timer() { robber_fires(imgrob4, timerob41, timerob42, health); }
void frmw2l2::timerob42_Timer() { robber_stands(imgrob4, timerob42, timerob41); }

void frmw2l2::shake_Timer() { shake_tick(shake); }

void frmw2l2::imgrob1_MouseDown(int button)
{
    shoot_at(button, imgrob1, imgbf, { &timerob11, &timerob12 }, health);
    win_check();
}

void frmw2l2::imgrob2_MouseDown(int button)
{
    shoot_at(button, imgrob2, imgbf, { &timerob21, &timerob22 }, health);
    win_check();
}

void frmw2l2::imgrob3_MouseDown(int button)
{
    shoot_at(button, imgrob3, imgbf, { &timerob31, &timerob32 }, health);
    win_check();
}

void frmw2l2::imgrob4_MouseDown(int button)
{
    shoot_at(button, imgrob4, imgbf, { &timerob41, &timerob42 }, health);
    win_check();
}

// The Grawn shows itself for a tenth of a second every five.
void frmw2l2::timegrawn11_Timer() { blink(imggrawn1, Visibility::hidden, timegrawn11, timegrawn12); }
void frmw2l2::timegrawn12_Timer() { blink(imggrawn1, Visibility::shown, timegrawn12, timegrawn11); }

void frmw2l2::imggrawn1_MouseDown(int button)
{
    shoot_at(button, imggrawn1, imgbf, { &timegrawn11, &timegrawn12 }, health, Report::silent);
    win_check();
}

// The pig wanders left into the wood and right out past its edge, and back.
void frmw2l2::timepig11_Timer() { walk(imgpig1, { Axis::x, -15, Until::at_most, 112 }, timepig11, &timepig12, &imgpf2); }
void frmw2l2::timepig12_Timer() { walk(imgpig1, { Axis::x, 15, Until::at_least, 450 }, timepig12, &timepig11, &imgpf1); }

void frmw2l2::imgpig1_MouseDown(int button)
{
    if (button == left_button) {
        game_over("You evil person!  You shot a pig!  Game over!  Please play again.", MsgIcon::information, "Game Over!");
    } else if (button == right_button) {
        save(imgpig1, { &timepig11, &timepig12 });
        gain(health);
    }
    win_check();
}

void frmw2l2::win_check()
{
    if (game_over_started() || imgpig1.visible())
        return;
    for (Sprite const* enemy : { &imggrawn1, &imgrob1, &imgrob2, &imgrob3, &imgrob4 }) {
        if (!is_dead(*enemy, imgbf))
            return;
    }
    hand_over("\\W2L2.mid", "frmw2l3");
}

}
