// The skatepark: the key combinations, the jump and the landing, the crash, the steering and the
// scrolling lane markings.
#include "levels/bonus/frmw3l4.hpp"

#include "art/skateboard.hpp"

#include <array>
#include <string>

namespace levels {

namespace {

constexpr int key_z = 90;
constexpr int key_left = 37;
constexpr int key_right = 39;
constexpr int shift_only = 1;
constexpr int control_only = 2;
constexpr int control_and_shift = 3;
// combo1's Interval while the ollie's Z-with-Shift has come, and at rest.
constexpr int ollie_armed = 2000;
constexpr int ollie_rest = 1999;
constexpr int speeding = 1500;
constexpr int speed_rest = 1499;
constexpr double jump_height = 75;
constexpr int air_time_per_speed = 250;
constexpr int crash_speed = 9;

}

frmw3l4::frmw3l4(Runtime& runtime)
    : Screen(runtime, "frmw3l4", { .caption = "Grawn 2", .width = 381, .height = 244 })
{
    imgpig.set_picture(make_picture("imgpig", art::pig_on_board()));
    lines.on_tick = [this] { lines_Timer(); };
    combo1.on_tick = [this] { combo1_Timer(); };
    falling.on_tick = [this] { falling_Timer(); };
    msc.on_tick = [this] { msc_Timer(); };
}

LinePoints frmw3l4::marking(int index)
{
    static std::array<double, 9> const starts { 56, 104, 152, 208, 264, 312, 360, 408, 8 };
    double const x = starts.at(index);
    return { x, 176, x + 24, 176 };
}

void frmw3l4::Form_Load()
{
    MsgBox("It's time to take a little brake from saving animals and killin' grawns and theives.  So, it's time for some skatepark fun inside the barn!  Your goal is to get 10,000 points by the end of 2 minutes.  In order you get points, you'll have to perform moves in the air.  However, watch out for blocks, as they slow you down and cause you to lose points. To do an ollie (jump) you must perform the Z, Z + Shift, Shift combo (quickly).  The more speed you have, the higher you go.  To gain more speed hit, do the combo: Control + Shift, Shift, Control.  Don't go to fast, though, or you could crash!  To get points you have to do tricks in the air (perform the combo before you hit the ground.)  Write down the following moves on a peice of paper for reference.  Some moves include flip (Control + Up, Up, Up + Shift, Shift, Shift + Down), The Pell 1080 Spin (Right, Left, Shift, Right, Left, Shift), The Anti-Gravity Trick Time Booster (Up, Up, Up, Up, Control, G.)",
        MsgIcon::information, "World 3, Level 4: Revoda owns Brill!");
    MsgBox("More moves are posted on the Pell Entertainment web site, or can be earned by beating the game.", MsgIcon::information, "More Info");
    PlayIntroMusic();
}

void frmw3l4::Form_Unload() { StopMusic("\\W3L4.mid"); }

void frmw3l4::Form_KeyDown(int key_code, int shift)
{
    if (key_code == key_z)
        combo1.enable();
    if (key_code == key_z && shift == shift_only && combo1.enabled())
        combo1.set_interval(ollie_armed);
    if (key_code != key_z && shift == shift_only && combo1.interval() == ollie_armed && combo1.enabled()) {
        combo1.disable();
        combo1.set_interval(ollie_rest);
        imgpig.set_top(imgpig.top() - jump_height);
        falling.enable();
        falling.set_interval(speed.interval() * air_time_per_speed);
        Label1.show();
    }
    if (shift != shift_only && combo1.interval() == ollie_armed) {
        combo1.disable();
        combo1.set_interval(ollie_rest);
    }
    if (shift == control_and_shift)
        combo2.enable();
    if (shift == shift_only && combo2.enabled())
        combo2.set_interval(speeding);
    if (shift == control_only && combo2.interval() == speeding) {
        speed.set_interval(speed.interval() + 1);
        show_speed();
        combo2.set_interval(speed_rest);
        combo2.disable();
    }
    if (speed.interval() > crash_speed) {
        PlayGunDead();
        MsgBox("Oh no!  You crashed!");
        speed.set_interval(0);
    }
    if (key_code == key_left && imgpig.left() >= 0)
        imgpig.set_left(imgpig.left() - speed.interval() / 2.0);
    if (key_code == key_right && imgpig.left() + imgpig.width() <= scale_width())
        imgpig.set_left(imgpig.left() + speed.interval() / 2.0);
}

void frmw3l4::lines_Timer()
{
    for (auto& line : Line1) {
        auto const p = line->points();
        line->set_points({ p.x1 - speed.interval(), p.y1, p.x2 - speed.interval(), p.y2 });
    }
    if (Line1(8).points().x1 > -25)
        return;
    for (int i = 0; i < Line1.size(); ++i)
        Line1(i).set_points(marking(i));
}

void frmw3l4::combo1_Timer()
{
    combo1.disable();
    combo1.set_interval(ollie_rest);
}

void frmw3l4::falling_Timer()
{
    speed.set_interval(speed.interval() - 1);
    show_speed();
    falling.disable();
    imgpig.set_top(imgpig.top() + jump_height);
}

void frmw3l4::msc_Timer() { PlayIntroMusic(); }

void frmw3l4::show_speed() { lblspeed.set_caption(std::to_string(speed.interval() * 10)); }

}
