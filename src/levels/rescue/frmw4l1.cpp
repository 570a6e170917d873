// World 4, Level 1: the twenty robbers' stand-fire-duck cycles, the kills that give health back,
// the shake that follows every shot and judges the player's health, and the win on the last kill.
#include "levels/rescue/frmw4l1.hpp"

#include "art/effects.hpp"
#include "art/office_block.hpp"
#include "art/robber.hpp"
#include "levels/rescue/rescue.hpp"

#include <array>
#include <cstdio>
#include <string>

namespace levels {

namespace {

enum class Starts { standing, ducking };

struct RobberLayout {
    double left;
    double top;
    int standing_ms; // timer a
    int ducking_ms; // timer b
    Starts starts; // which of the two runs once the briefing is read
};

// Every robber keeps his own rhythm, so that the block never fires in step.
constexpr std::array<RobberLayout, frmw4l1::robber_count> layout { {
    { 24, 24, 500, 4000, Starts::standing },
    { 112, 24, 1200, 2200, Starts::standing },
    { 200, 24, 800, 4000, Starts::ducking },
    { 288, 24, 1500, 7000, Starts::standing },
    // He stands a little right of the robbers below him.
    { 384, 24, 1350, 2000, Starts::ducking },
    { 24, 112, 3000, 2500, Starts::ducking },
    { 112, 112, 2500, 3500, Starts::ducking },
    { 200, 112, 5000, 2500, Starts::standing },
    { 288, 112, 5000, 2500, Starts::ducking },
    { 376, 112, 4000, 500, Starts::ducking },
    { 24, 200, 900, 8000, Starts::ducking },
    { 112, 200, 2450, 2500, Starts::standing },
    { 200, 200, 2800, 5000, Starts::standing },
    { 288, 200, 1000, 1000, Starts::ducking },
    { 376, 200, 1000, 5400, Starts::ducking },
    { 24, 288, 1500, 1900, Starts::standing },
    { 112, 288, 3500, 100, Starts::standing },
    { 200, 288, 3000, 6000, Starts::ducking },
    { 288, 288, 1500, 600, Starts::standing },
    { 376, 288, 2000, 500, Starts::ducking },
} };

constexpr int health_step = 10;
constexpr int columns = 5;
constexpr double window_pitch = 88;

std::string numbered(char const* prefix, int number, char const* suffix = "")
{
    char name[32];
    std::snprintf(name, sizeof name, "%s%02d%s", prefix, number, suffix);
    return name;
}

}

frmw4l1::Robber::Robber(Form& form, int number)
    : img(form, numbered("imgrob", number), { layout[number - 1].left, layout[number - 1].top, art::robber_size, art::robber_size })
    , a(form, numbered("timerob", number, "a"), layout[number - 1].standing_ms, Switch::off)
    , b(form, numbered("timerob", number, "b"), layout[number - 1].ducking_ms, Switch::off)
{
}

std::vector<std::unique_ptr<frmw4l1::Robber>> frmw4l1::make_robbers(Form& form)
{
    std::vector<std::unique_ptr<Robber>> robbers;
    for (int number = 1; number <= robber_count; ++number)
        robbers.push_back(std::make_unique<Robber>(form, number));
    return robbers;
}

Rect frmw4l1::window_place(int index)
{
    return { 8 + (index % columns) * window_pitch, 8 + (index / columns) * window_pitch, art::office_window_size, art::office_window_size };
}

frmw4l1::frmw4l1(Runtime& runtime)
    : BanditLevel(runtime, "frmw4l1", { .caption = "Grawn 2", .width = 437, .height = 377, .back = { 145, 145, 145 } })
{
    auto const window = make_picture("imgwindow(0)", art::office_window());
    for (auto& w : imgwindow)
        w->set_picture(window);
    imgbf1.set_picture(make_picture("imgbf1", art::blood_splat()));
    // The robbers on the left of the block face right, those on the right face left: all of
    // them aim in towards the middle, where the player stands.
    auto const facing_right = make_picture("imgrob01", art::robber(art::Facing::right));
    auto const facing_left = make_picture("imgrob04", art::robber(art::Facing::left));
    for (auto& robber : m_robbers) {
        bool const left_half = robber->img.left() < 250;
        robber->img.set_picture(left_half ? facing_right : facing_left);
        Robber* const r = robber.get();
        r->img.on_mouse_down = [this, r](MouseEvent const& e) { imgrob_MouseDown(*r, e.button); };
        r->a.on_tick = [this, r] { timerob_a_Timer(*r); };
        r->b.on_tick = [this, r] { timerob_b_Timer(*r); };
    }
    shake.on_tick = [this] { shake_Timer(); };
}

void frmw4l1::Form_Load()
{
    briefing("World 4, Level 1: Corporate America 2",
        "The horror!  The horror!  Yes folks, it's returned.  Are you ready for... Corporate America 2?  Anyways, while the S-Grawns have apparently disapeared, the robbers are still around... and they have Farmer Ruv's farm animals!  The best way to get them back is to take out all the robberstat the source.  Destroy the entire complex.  Watch out, there are a ton of guards here.");
    PlayMusic("\\W4L1.mid");
    // Nobody fires while the briefing is read. A robber who starts ducking is in view all the
    // same; his first tick only starts his standing timer.
    for (int number = 1; number <= robber_count; ++number) {
        auto& r = robber(number);
        (layout[number - 1].starts == Starts::standing ? r.a : r.b).enable();
    }
}

void frmw4l1::Form_Unload() { StopMusic("\\W4L1.mid"); }

// A left click kills a living robber for ten health and counts him; no sound. Whatever the
// click, the twentieth kill wins: the block is left, the attack scene shown, the tune stopped.
void frmw4l1::imgrob_MouseDown(Robber& robber, int button)
{
    bool const was_alive = !is_dead(robber.img, imgbf1);
    shoot_at(button, robber.img, imgbf1, { &robber.a, &robber.b }, health, Report::silent);
    if (was_alive && is_dead(robber.img, imgbf1))
        Timer1.set_interval(Timer1.interval() + 1);
    if (game_over_started() || Timer1.interval() != robber_count)
        return;
    hide();
    show_screen("frmw4l2x");
    StopMusic("\\W4L1.mid");
}

// The robber ducks and fires: ten health off and the screen shakes. Health never goes below
// nothing, so a shot that lands before the shake has judged an earlier fatal one still finds the
// player dead.
void frmw4l1::timerob_a_Timer(Robber& robber)
{
    robber.img.hide();
    lose_health(health, health_step);
    shake.enable();
    robber.a.disable();
    robber.b.enable();
}

void frmw4l1::timerob_b_Timer(Robber& robber) { robber_stands(robber.img, robber.b, robber.a); }

// The shot is heard and shakes the block; health is judged before the jolts and again after
// them, since robbers go on firing while the window shakes.
void frmw4l1::shake_Timer()
{
    check_health();
    shake_tick(shake, Report::gunshot);
    check_health();
}

void frmw4l1::check_health()
{
    if (hp.interval() <= 0)
        game_over("Oh no!  You died!  Game over!  Please play again.", MsgIcon::information, "Grawn 2");
}

}
