// World 1, Level 4: the sinking pigs, the saves and the shot, and the move on to the intermission
// whether the level is won or lost.
#include "levels/bonus/frmw1l4.hpp"

#include "art/effects.hpp"
#include "art/farm_animals.hpp"

#include <algorithm>

namespace levels {

namespace {

constexpr double sink_step = 2.75;

}

frmw1l4::frmw1l4(Runtime& runtime)
    : Screen(runtime, "frmw1l4", { .caption = "Grawn 2", .width = 421, .height = 296, .back = { 192, 0, 0 } })
{
    auto const pig = make_picture("imgpig1", art::pig(art::Facing::right));
    for (auto* p : pigs())
        p->set_picture(pig);
    auto const flame = make_picture("fire(0)", art::flame());
    for (auto& f : fire)
        f->set_picture(flame);

    timepig.on_tick = [this] { timepig_Timer(); };
    imgpig1.on_mouse_down = [this](MouseEvent const& e) { imgpig1_MouseDown(e.button); };
    imgpig2.on_mouse_down = [this](MouseEvent const& e) { imgpig2_MouseDown(e.button); };
    imgpig3.on_mouse_down = [this](MouseEvent const& e) { imgpig3_MouseDown(e.button); };
    imgpig4.on_mouse_down = [this](MouseEvent const& e) { imgpig4_MouseDown(e.button); };
    imgpig5.on_mouse_down = [this](MouseEvent const& e) { imgpig5_MouseDown(e.button); };
    imgpig6.on_mouse_down = [this](MouseEvent const& e) { imgpig6_MouseDown(e.button); };
    imgpig7.on_mouse_down = [this](MouseEvent const& e) { imgpig7_MouseDown(e.button); };
    imgpig8.on_mouse_down = [this](MouseEvent const& e) { imgpig8_MouseDown(e.button); };
    imgpig9.on_mouse_down = [this](MouseEvent const& e) { imgpig9_MouseDown(e.button); };
    imgpig10.on_mouse_down = [this](MouseEvent const& e) { imgpig10_MouseDown(e.button); };
    imgpig11.on_mouse_down = [this](MouseEvent const& e) { imgpig11_MouseDown(e.button); };
    imgpig12.on_mouse_down = [this](MouseEvent const& e) { imgpig12_MouseDown(e.button); };
    imgpig13.on_mouse_down = [this](MouseEvent const& e) { imgpig13_MouseDown(e.button); };
}

std::array<Sprite*, 13> frmw1l4::pigs()
{
    return { &imgpig1, &imgpig2, &imgpig3, &imgpig4, &imgpig5, &imgpig6, &imgpig7, &imgpig8, &imgpig9, &imgpig10, &imgpig11,
        &imgpig12, &imgpig13 };
}

void frmw1l4::Form_Load()
{
    briefing("World 1, Level 4: Firefighters",
        "It's Bonus Level Time!  Remember, if you win all the bonus levels, something special will happen!  Remember, if you lose a bonus level, you don't lose the whole game (but you won't get the special thing at the end).  Anyways, when returning to the mortal world, the airship the pigs were traveling was hijacked.  Save all of the pigs before they fall into the fire!");
    // A player who kept the briefing open until the pigs burned has already been moved on to the
    // intermission; this level's tune must not start under it, and the screen never appears.
    if (m_outcome != Outcome::playing)
        return;
    PlayMusic("\\W1L4.mid");
}

void frmw1l4::Form_Unload() { StopMusic("\\W1L4.mid"); }

void frmw1l4::timepig_Timer()
{
    // Saved pigs sink on unseen, so pig 1 always marks where the whole row is.
    for (auto* pig : pigs())
        pig->set_top(pig->top() + sink_step);
    if (imgpig1.top() + imgpig1.height() >= fire(0).top())
        lose("Oh no!  A(Some) Pig(s) died!");
}

void frmw1l4::save_or_shoot(Sprite& pig, int button)
{
    if (button == left_button)
        lose("Oh no!  You shot a pig!");
    else if (button == right_button)
        pig.hide();
    auto const pigs_left = pigs();
    if (std::none_of(pigs_left.begin(), pigs_left.end(), [](Sprite const* p) { return p->visible(); }))
        win();
}

void frmw1l4::imgpig1_MouseDown(int button) { save_or_shoot(imgpig1, button); }
void frmw1l4::imgpig2_MouseDown(int button) { save_or_shoot(imgpig2, button); }
void frmw1l4::imgpig3_MouseDown(int button) { save_or_shoot(imgpig3, button); }
void frmw1l4::imgpig4_MouseDown(int button) { save_or_shoot(imgpig4, button); }
void frmw1l4::imgpig5_MouseDown(int button) { save_or_shoot(imgpig5, button); }
void frmw1l4::imgpig6_MouseDown(int button) { save_or_shoot(imgpig6, button); }
void frmw1l4::imgpig7_MouseDown(int button) { save_or_shoot(imgpig7, button); }
void frmw1l4::imgpig8_MouseDown(int button) { save_or_shoot(imgpig8, button); }
void frmw1l4::imgpig9_MouseDown(int button) { save_or_shoot(imgpig9, button); }
void frmw1l4::imgpig10_MouseDown(int button) { save_or_shoot(imgpig10, button); }
void frmw1l4::imgpig11_MouseDown(int button) { save_or_shoot(imgpig11, button); }
void frmw1l4::imgpig12_MouseDown(int button) { save_or_shoot(imgpig12, button); }
void frmw1l4::imgpig13_MouseDown(int button) { save_or_shoot(imgpig13, button); }

void frmw1l4::lose(std::string text)
{
    // The pigs go on sinking under the box that tells of a shot pig; reaching the fire meanwhile
    // must not tell of a second loss nor move on twice.
    if (m_outcome != Outcome::playing)
        return;
    m_outcome = Outcome::lost;
    MsgBox(std::move(text));
    timepig.disable();
    move_on();
}

void frmw1l4::win()
{
    if (m_outcome != Outcome::playing)
        return;
    m_outcome = Outcome::won;
    timepig.disable();
    MsgBox("Congrats!  You beat the level!");
    count_bonus();
    move_on();
}

// The tune goes on under the intermission, whose load stops it.
void frmw1l4::move_on()
{
    hide();
    show_screen("frmw1l5");
}

}
