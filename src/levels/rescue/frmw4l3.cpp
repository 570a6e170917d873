// World 4, Level 3: Raved's run, the rising fires, the big sheep's crossings, the shots through
// the three phases and the final countdown.
#include "levels/rescue/frmw4l3.hpp"

#include "art/claw.hpp"
#include "art/effects.hpp"
#include "art/farm_animals.hpp"
#include "art/raved.hpp"

#include <array>
#include <string>

namespace levels {

namespace {

// A fire has reached its animal when its top is up at the animals' bottom edge.
constexpr double animals_bottom = 67;
constexpr double raved_step = 20;
constexpr double big_sheep_step = 10;
constexpr char const* lost_title = "Game Over!";

}

frmw4l3::frmw4l3(Runtime& runtime)
    : Screen(runtime, "frmw4l3", { .caption = "Grawn 2", .width = 382, .height = 386, .back = { 40, 36, 60 } })
{
    auto const closed = make_picture("claw(0)", art::claw(art::ClawState::closed));
    for (auto& c : claw)
        c->set_picture(closed);
    cf1.set_picture(closed);
    cf2.set_picture(make_picture("cf2", art::claw(art::ClawState::open)));
    sheep.set_picture(make_picture("sheep", art::sheep(art::Facing::right)));
    auto const cow_picture = make_picture("cow", art::cow(art::Facing::left));
    cow.set_picture(cow_picture);
    cow2.set_picture(cow_picture);
    pig.set_picture(make_picture("pig", art::pig(art::Facing::right)));
    auto const flame = make_picture("fire1", art::flame());
    for (Sprite* fire : { &fire1, &fire2, &fire3, &fire4 })
        fire->set_picture(flame);
    bigsheep.set_picture(make_picture("bigsheep", art::big_raved()));
    raved.set_picture(make_picture("raved", art::raved(art::RavedLook::changed)));

    timeboss1.on_tick = [this] { timeboss1_Timer(); };
    timefire1.on_tick = [this] { timefire1_Timer(); };
    timefire10.on_tick = [this] { timefire10_Timer(); };
    timefire11.on_tick = [this] { timefire11_Timer(); };
    timefire12.on_tick = [this] { timefire12_Timer(); };
    timefire13.on_tick = [this] { timefire13_Timer(); };
    timeboss2.on_tick = [this] { timeboss2_Timer(); };
    counting.on_tick = [this] { counting_Timer(); };
    fire1.on_dbl_click = [this] { fire1_DblClick(); };
    fire2.on_click = [this] { fire2_Click(); };
    fire3.on_click = [this] { fire3_Click(); };
    fire4.on_click = [this] { fire4_Click(); };
    raved.on_mouse_down = [this](MouseEvent const& e) { raved_MouseDown(e.button); };
}

void frmw4l3::Form_Load()
{
    // Raved runs and the fires rise from load, behind the briefing.
    briefing("World 4, Level 3: The Raved Within",
        "It is finnally time to face off against Raved, the evil mutated sheep that started the whole war with the grawns.  If you destroy Raved, the rest of the grawns and bandits will drop like flies.  Remember, Raved is no ordinairy sheep.  He has been infected by radiation, and is much stronger, quicker, and smarter than the ordianary sheep.  He is also holding the Smart-Sheep and all of those stolen farm animals hostage.  Watch out for the rising fire.  Make sure to take it out before it scorches the farm animals by double clicking them.  Good luck!  Destroy Raved!");
    PlayMusic("\\W4L3.mid");
}

void frmw4l3::Form_Unload() { StopMusic("\\W4L3.mid"); }

void frmw4l3::timeboss1_Timer()
{
    raved.set_left(raved.left() + raved_step);
    if (raved.left() >= scale_width())
        raved.set_left(-50);
}

// In the first phase the four fires rise together; all move before any is checked.
void frmw4l3::timefire1_Timer()
{
    for (int i = 0; i < 4; ++i)
        blaze(i).fire.set_top(blaze(i).fire.top() - yo.interval());
    for (int i = 0; i < 4; ++i) {
        if (blaze(i).fire.top() <= animals_bottom) {
            game_over(blaze(i).lost, MsgIcon::information, lost_title);
            return;
        }
    }
}

void frmw4l3::timefire10_Timer() { rise(blaze(0), blaze(0).step); }
void frmw4l3::timefire11_Timer() { rise(blaze(1), blaze(1).step); }
void frmw4l3::timefire12_Timer() { rise(blaze(2), blaze(2).step); }
void frmw4l3::timefire13_Timer() { rise(blaze(3), blaze(3).step); }

void frmw4l3::rise(Blaze const& blaze, double step)
{
    blaze.fire.set_top(blaze.fire.top() - step);
    if (blaze.fire.top() <= animals_bottom)
        game_over(blaze.lost, MsgIcon::information, lost_title);
}

// The first fire takes a double click, the others a single one.
void frmw4l3::fire1_DblClick() { beat_down(blaze(0)); }
void frmw4l3::fire2_Click() { beat_down(blaze(1)); }
void frmw4l3::fire3_Click() { beat_down(blaze(2)); }
void frmw4l3::fire4_Click() { beat_down(blaze(3)); }

// Back to the bottom edge. With every fire out in the second phase, the big sheep comes back in
// from the left.
void frmw4l3::beat_down(Blaze const& beaten)
{
    beaten.fire.set_top(scale_height() - 35);
    beaten.rising.disable();
    for (int i = 0; i < 4; ++i) {
        if (blaze(i).rising.enabled())
            return;
    }
    if (!is_big())
        return;
    for (int i = 0; i < 4; ++i)
        blaze(i).fire.hide();
    timeboss2.enable();
    raved.set_left(-raved.width());
}

void frmw4l3::raved_MouseDown(int button)
{
    if (button == left_button) {
        bosshp.set_interval(bosshp.interval() - 1);
        PlayGunDead();
    }
    // Down to ten, Raved makes the fires rise three times as fast.
    if (!is_big() && bosshp.interval() == 10)
        yo.set_interval(3);
    if (!is_big() && bosshp.interval() == 0) {
        timefire1.disable();
        for (int i = 0; i < 4; ++i)
            blaze(i).fire.hide();
        bosshp.set_interval(50);
        PlayDeath();
        raved.set_picture(bigsheep.picture());
        timeboss1.disable();
        timeboss2.enable();
        raved.set_top(88);
    }
    if (is_big() && yo.interval() == 3 && bosshp.interval() == 0) {
        PlayGoDown();
        MsgBox("Oh no!  Raved is using the evil radiation from his body and is turning it into a uncontrolled explosion!  Destroy him before he can do this!",
            MsgIcon::information, "Warning!");
        counting.enable();
        timeboss2.disable();
        Label2.show();
        bosshp.set_interval(55);
        yo.set_interval(5);
    }
    if (yo.interval() == 5 && bosshp.interval() == 0) {
        PlayExplosion();
        counting.disable();
        MsgBox("Nooooo....");
        show_screen("frmw4l4");
        hide();
        StopMusic("\\W4L3.mid");
    }
}

// The big sheep crosses to the right edge; leaving, it sets all four fires going, each at its
// own pace, from wherever they were.
void frmw4l3::timeboss2_Timer()
{
    raved.set_left(raved.left() + big_sheep_step);
    if (raved.left() < scale_width())
        return;
    timeboss2.disable();
    for (int i = 0; i < 4; ++i)
        blaze(i).rising.enable();
    for (int i = 0; i < 4; ++i)
        blaze(i).fire.show();
}

void frmw4l3::counting_Timer()
{
    whatsleft.set_interval(whatsleft.interval() - 1);
    Label2.set_caption(std::to_string(whatsleft.interval()));
    if (whatsleft.interval() != 0)
        return;
    PlayExplosion();
    game_over("Oh no!  You died!  Gameover.  Please play again!", MsgIcon::information, lost_title);
}

}
