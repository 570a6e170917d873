// The magnet game: the pen's runners, the crane's keys, the catch, the lift and the countdown.
#include "levels/bonus/frmw4l5.hpp"

#include "art/crane.hpp"
#include "art/farm_animals.hpp"
#include "art/grawn.hpp"

#include <algorithm>
#include <string>

namespace levels {

namespace {

constexpr int key_left = 37;
constexpr int key_right = 39;
constexpr int key_space = 32;
constexpr double crane_step = 2;
constexpr double pen_row = 168;
constexpr int lifts_needed = 35;
constexpr int drops_allowed = 4;
// A drop lets the magnet down to the pen's row and winds it back up, a step each tick of the
// pen; it holds the sheep with its tips sunk a little into the wool.
constexpr double drop_depth = 96;
constexpr double drop_step = 12;
constexpr double grip = 4;
// The cable pays out from the foot of the pulley block.
constexpr double pulley_foot = 28;

}

frmw4l5::frmw4l5(Runtime& runtime)
    : Screen(runtime, "frmw4l5", { .caption = "Grawn 2", .width = 383, .height = 350, .back = { 0, 255, 255 } })
{
    m_whole = make_picture("magnet", art::magnet());
    m_pulley = make_picture("magnet-pulley", art::magnet_pulley());
    magnet.set_picture(m_whole);
    lowered.set_picture(m_whole);
    sheep.set_picture(make_picture("sheep", art::sheep(art::Facing::right)));
    auto const running_left = make_picture("grawn1", art::grawn(art::Facing::left));
    grawn1.set_picture(running_left);
    grawn2.set_picture(make_picture("grawn2", art::grawn(art::Facing::right)));
    grawn3.set_picture(running_left);
    imgclick.set_picture(make_picture("imgclick", art::lift_button()));
    imgclick.disable();

    timemove.on_tick = [this] { timemove_Timer(); };
    timecount.on_tick = [this] { timecount_Timer(); };
    imgclick.on_click = [this] { imgclick_Click(); };
}

LinePoints frmw4l5::hatch(int index, double top)
{
    // Crossed diagonals every 32 pixels between the fence's two rails.
    double const left = 32.0 * (index % 12);
    if (index < 12)
        return { left, top, left + 32, top + 16 };
    return { left, top + 16, left + 32, top };
}

void frmw4l5::Form_Load()
{
    briefing("World 4, Level 5: The Magnet Game 2",
        "Although Raved, both Mecha Grawns, and the Grawn Re-incarnation Machine have been destroyed, 2 smart farm animals are still MIA.  However, one of them has been found in an enclosed pen.  However, you can't get in there to rescue it, so you'll have to pick it out by crane (a la your favorite claw games.)  You only have three trys, but if you rescue this smart sheep, and you beat all the bonus levels before this, you get to get the secret surprise.  Anyways, to use the claw, use your arrow keys to move it, and spacebar to drop the claw.  You have 3 chances, and if you get the sheep, you must raise it up before the claws loosen by pressing the click button.");
    PlayMusic("\\W4L5.mid");
}

void frmw4l5::Form_Unload()
{
    StopMusic("\\W4L5.mid");
    StopMusic("\\W4L5x.mid");
}

// The sheep and the Grawns run round the pen, each at its own pace, wrapping at the edges.
void frmw4l5::timemove_Timer()
{
    sheep.set_left(sheep.left() + 2);
    grawn1.set_left(grawn1.left() - 3);
    grawn2.set_left(grawn2.left() + 2.5);
    grawn3.set_left(grawn3.left() - 1);
    if (sheep.left() >= scale_width())
        sheep.set_left(-sheep.width());
    if (grawn1.left() + grawn1.width() <= 0)
        grawn1.set_left(scale_width());
    if (grawn2.left() >= scale_width())
        grawn2.set_left(-grawn2.width());
    if (grawn3.left() + grawn3.width() <= 0)
        grawn3.set_left(scale_width());
    step_drop();
}

// One step per release; the tests at the edges let the magnet take one step past them.
void frmw4l5::Form_KeyUp(int key_code, int /*shift*/)
{
    if (key_code == key_left && magnet.left() >= 0 && !holding())
        move_crane(-crane_step);
    if (key_code == key_right && magnet.left() + magnet.width() <= scale_width() && !holding())
        move_crane(crane_step);
    bool const over_sheep = magnet.left() >= sheep.left() && sheep.left() + sheep.width() >= magnet.left() + magnet.width();
    if (key_code == key_space && over_sheep && !holding()) {
        timecount.enable();
        imgclick.enable();
        timemove.disable();
        PlayMagnet();
        lblcount.show();
        hold_sheep_up();
        PauseMusic("\\W4L5.mid");
        PlayMusic("\\W4L5x.mid");
    }
    if (key_code == key_space && !holding()) {
        m_drop = Drop::falling;
        PlaySaucer();
        times.set_interval(times.interval() + 1);
    }
    if (times.interval() >= drops_allowed) {
        MsgBox("You're out of turns!  Sorry.  Secret bonus unavaliable.  Prepare for the ending.", MsgIcon::information, "You're out of turns!");
        timemove.disable();
        timecount.disable();
        StopMusic("\\W4L5.mid");
        StopMusic("\\W4L5x.mid");
        move_on();
    }
}

void frmw4l5::move_crane(double by)
{
    magnet.set_left(magnet.left() + by);
    Shape2.set_left(Shape2.left() + by);
    let_down(depth());
}

// The magnet and its cable under the crane, `depth` pixels down; back on its pulley at 0.
void frmw4l5::let_down(double depth)
{
    if (depth <= 0) {
        lowered.hide();
        drop_cable.hide();
        magnet.set_picture(m_whole);
        return;
    }
    magnet.set_picture(m_pulley);
    lowered.set_left(magnet.left());
    lowered.set_top(magnet.top() + depth);
    drop_cable.set_left(Shape2.left());
    drop_cable.set_top(magnet.top() + pulley_foot);
    drop_cable.set_height(std::max(depth - pulley_foot + 1, 0.0));
    lowered.show();
    drop_cable.show();
}

// Held, the magnet sits on the sheep's back and rises with it.
void frmw4l5::hold_sheep_up()
{
    m_drop = Drop::hanging;
    let_down(sheep.top() + grip - magnet.height() - magnet.top());
}

void frmw4l5::step_drop()
{
    if (m_drop == Drop::falling) {
        let_down(std::min(depth() + drop_step, drop_depth));
        if (depth() >= drop_depth)
            m_drop = Drop::rising;
    } else if (m_drop == Drop::rising) {
        let_down(depth() - drop_step);
        if (depth() <= 0)
            m_drop = Drop::hanging;
    }
}

void frmw4l5::imgclick_Click()
{
    letsgoup.set_interval(letsgoup.interval() + 1);
    sheep.set_top(sheep.top() - 2);
    hold_sheep_up();
    if (letsgoup.interval() < lifts_needed)
        return;
    StopMusic("\\W4L5.mid");
    StopMusic("\\W4L5x.mid");
    timecount.disable();
    MsgBox("You Won!  The smart sheep has been saved!", MsgIcon::information, "You Won!");
    count_bonus();
    move_on();
}

// Out of time, the claws let go: everything back on the pen's row and running again.
void frmw4l5::timecount_Timer()
{
    whatsleft.set_interval(whatsleft.interval() - 1);
    lblcount.set_caption(std::to_string(whatsleft.interval()));
    if (whatsleft.interval() != 0)
        return;
    for (Sprite* runner : { &sheep, &grawn1, &grawn2, &grawn3 })
        runner->set_top(pen_row);
    let_down(0);
    whatsleft.set_interval(10);
    letsgoup.set_interval(0);
    lblcount.set_caption("10");
    lblcount.hide();
    imgclick.disable();
    timemove.enable();
    timecount.disable();
    StopMusic("\\W4L5x.mid");
    PlayMusic("\\W4L5.mid");
}

void frmw4l5::move_on()
{
    hide();
    show_screen("frmw5lx");
}

}
