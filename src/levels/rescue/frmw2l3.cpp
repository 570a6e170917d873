// World 2, Level 3: the machine's patrol and the release of its robbers, the robbers' runs and
// shots, the hits on the machine and its destruction.
#include "levels/rescue/frmw2l3.hpp"

#include "art/effects.hpp"
#include "art/reincarnator.hpp"
#include "art/robber.hpp"
#include "art/scenery.hpp"
#include "levels/rescue/rescue.hpp"

#include <array>
#include <string>

namespace levels {

namespace {

constexpr double machine_step = 27;
constexpr double robber_step = 20;
constexpr int hits_to_destroy = 30;
constexpr int shot_cost = 5;

}

frmw2l3::frmw2l3(Runtime& runtime)
    : BanditLevel(runtime, "frmw2l3", { .caption = "Grawn 2", .width = 336, .height = 279 })
{
    auto const cloud = make_picture("imgcloud(0)", art::cloud());
    for (auto& c : imgcloud)
        c->set_picture(cloud);
    imgbf1.set_picture(make_picture("imgbf1", art::reincarnator(art::MachineLook::whole)));
    imgbf2.set_picture(make_picture("imgbf2", art::reincarnator(art::MachineLook::flashing)));
    imgbf3.set_picture(make_picture("imgbf3", art::reincarnator_wreck()));
    imgbf.set_picture(make_picture("imgbf", art::blood_splat()));
    imgrf.set_picture(make_picture("imgrf", art::robber(art::Facing::left)));
    imgboss.set_picture(imgbf1.picture());
    imgrob1.set_picture(imgrf.picture());
    imgrob2.set_picture(imgrf.picture());

    imgboss.on_mouse_down = [this](MouseEvent const& e) { imgboss_MouseDown(e.button); };
    imgrob1.on_mouse_down = [this](MouseEvent const& e) { imgrob1_MouseDown(e.button); };
    imgrob2.on_mouse_down = [this](MouseEvent const& e) { imgrob2_MouseDown(e.button); };
    timeboss11.on_tick = [this] { timeboss11_Timer(); };
    timeboss12.on_tick = [this] { timeboss12_Timer(); };
    Timer1.on_tick = [this] { Timer1_Timer(); };
    timerob11.on_tick = [this] { timerob11_Timer(); };
    timerob12.on_tick = [this] { timerob12_Timer(); };
    timerob21.on_tick = [this] { timerob21_Timer(); };
    timerob22.on_tick = [this] { timerob22_Timer(); };
    shake.on_tick = [this] { shake_Timer(); };
}

Rect frmw2l3::cloud_place(int index)
{
    static std::array<double, 7> const lefts { 0, 64, 120, 176, 200, 248, 296 };
    static std::array<double, 7> const tops { 0, 16, 8, 8, -8, 16, 0 };
    return { lefts.at(index), tops.at(index), 32, 32 };
}

void frmw2l3::Form_Load()
{
    // The machine has been on the move since the screen loaded, and goes on whether or not the
    // briefing is read.
    briefing("World 2, Level 3:  The Madness Stops Here!",
        "You've finally reached the Grawn Re-Incarnation Machine.  If you destroy this, the thieves can no longer warp back grawns from the dead!  However, the machine in heavily guarded by thieves.  Destroy the machine, and don't die!");
    PlayMusic("\\W2L3.mid");
}

void frmw2l3::Form_Unload() { StopMusic("\\W2L3.mid"); }

void frmw2l3::timeboss11_Timer() { walk(imgboss, { Axis::x, -machine_step, Until::at_most, 0 }, timeboss11, &timeboss12); }

void frmw2l3::timeboss12_Timer()
{
    if (walk(imgboss, { Axis::x, machine_step, Until::at_least, scale_width() - imgboss.width() }, timeboss12, &timeboss11))
        imgcloud(0).set_left(imgcloud(0).left() + 1);
    if (imgcloud(0).left() >= 2)
        release_robbers();
}

// Every second arrival at the right edge the machine vanishes and two robbers come out.
void frmw2l3::release_robbers()
{
    imgboss.hide();
    timeboss12.disable();
    timeboss11.disable();
    imgcloud(0).set_left(0);
    imgrob1.show();
    imgrob2.show();
    timerob11.enable();
    timerob21.enable();
}

void frmw2l3::imgboss_MouseDown(int button)
{
    if (button == left_button) {
        bosshp.set_interval(bosshp.interval() + 1);
        Timer1.enable();
        imgboss.set_picture(imgbf2.picture());
    }
    if (bosshp.interval() == hits_to_destroy) {
        Timer1.disable();
        imgboss.set_picture(imgbf3.picture());
        timeboss11.disable();
        timeboss12.disable();
        hand_over("\\W2L3.mid", "frmw2l4");
    }
}

// Once a hit has shown, the machine keeps being put back to its whole picture every 50 ms.
void frmw2l3::Timer1_Timer() { imgboss.set_picture(imgbf1.picture()); }

// Each robber runs from edge to edge, firing once a lap at his firing point (where he drops out
// of sight) and showing himself again on the way back.
void frmw2l3::timerob11_Timer()
{
    imgrob1.set_left(imgrob1.left() + robber_step);
    if (imgrob1.left() >= 150 && imgrob1.visible())
        robber_fires(imgrob1);
    if (imgrob1.left() >= scale_width()) {
        timerob11.disable();
        timerob12.enable();
    }
}

void frmw2l3::timerob12_Timer()
{
    imgrob1.set_left(imgrob1.left() - robber_step);
    if (imgrob1.left() <= 150 && !imgrob1.visible())
        imgrob1.show();
    if (imgrob1.left() <= 0) {
        timerob12.disable();
        timerob11.enable();
    }
}

void frmw2l3::timerob21_Timer()
{
    imgrob2.set_left(imgrob2.left() - robber_step);
    if (imgrob2.left() <= 25 && imgrob2.visible())
        robber_fires(imgrob2);
    if (imgrob2.left() <= 0) {
        timerob21.disable();
        timerob22.enable();
    }
}

void frmw2l3::timerob22_Timer()
{
    imgrob2.set_left(imgrob2.left() + robber_step);
    if (imgrob2.left() >= 200 && !imgrob2.visible())
        imgrob2.show();
    if (imgrob2.left() + imgrob2.width() >= scale_width()) {
        timerob21.enable();
        timerob22.disable();
    }
}

// A shot costs five; health may reach 0, and only a shot that would go below it kills.
void frmw2l3::robber_fires(Sprite& robber)
{
    if (hp.interval() - shot_cost < 0) {
        game_over("Oh no!  You died!  Please play again!  Game over!", MsgIcon::information, "Game Over!");
        return;
    }
    robber.hide();
    hp.set_interval(hp.interval() - shot_cost);
    shake.enable();
    lblhp.set_caption(std::to_string(hp.interval()));
}

// Each shake begins with the gunshot.
void frmw2l3::shake_Timer() { shake_tick(shake, Report::gunshot); }

void frmw2l3::imgrob1_MouseDown(int button)
{
    shoot_at(button, imgrob1, imgbf, { &timerob11, &timerob12 }, health, Report::silent);
    machine_returns();
}

void frmw2l3::imgrob2_MouseDown(int button)
{
    shoot_at(button, imgrob2, imgbf, { &timerob21, &timerob22 }, health, Report::silent);
    machine_returns();
}

// With both robbers dead the machine comes back from where it vanished; the robbers lie where
// they fell and set off from there at the next release.
void frmw2l3::machine_returns()
{
    if (!is_dead(imgrob1, imgbf) || !is_dead(imgrob2, imgbf))
        return;
    imgrob1.set_picture(imgrf.picture());
    imgrob2.set_picture(imgrf.picture());
    imgrob1.hide();
    imgrob2.hide();
    timeboss11.enable();
    imgboss.show();
}

}
