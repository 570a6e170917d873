// World 2, Level 4: the traffic, the pig's steps, the countdown, and the move on to the
// intermission whether the road was crossed or the time ran out.
#include "levels/bonus/frmw2l4.hpp"

#include "art/farm_animals.hpp"
#include "art/vehicles.hpp"

#include <string>

namespace levels {

namespace {

// The pig steps by its own size less this.
constexpr double step_margin = 25;
// Reaching this Left puts the pig past the road's right edge.
constexpr double far_side = 328;

}

frmw2l4::frmw2l4(Runtime& runtime)
    : Screen(runtime, "frmw2l4", { .caption = "Grawn 2", .width = 367, .height = 341, .back = { 0, 128, 0 } })
{
    imgpig1.set_picture(make_picture("imgpig1", art::pig(art::Facing::right)));

    using art::CarPaint;
    using art::Heading;
    auto const truck_down = make_picture("imgcar01", art::truck(Heading::down));
    auto const truck_up = make_picture("imgcar14", art::truck(Heading::up));
    auto const red_down = make_picture("imgcar02", art::car(Heading::down, CarPaint::red));
    auto const blue_down = make_picture("imgcar03", art::car(Heading::down, CarPaint::blue));
    auto const yellow_down = make_picture("imgcar04", art::car(Heading::down, CarPaint::yellow));
    auto const red_up = make_picture("imgcar08", art::car(Heading::up, CarPaint::red));
    auto const blue_up = make_picture("imgcar09", art::car(Heading::up, CarPaint::blue));
    auto const yellow_up = make_picture("imgcar10", art::car(Heading::up, CarPaint::yellow));
    imgcar01.set_picture(truck_down);
    imgcar02.set_picture(red_down);
    imgcar03.set_picture(blue_down);
    imgcar04.set_picture(yellow_down);
    imgcar05.set_picture(red_down);
    imgcar06.set_picture(truck_down);
    imgcar07.set_picture(truck_down);
    imgcar08.set_picture(red_up);
    imgcar09.set_picture(blue_up);
    imgcar10.set_picture(yellow_up);
    imgcar11.set_picture(yellow_down);
    imgcar12.set_picture(red_down);
    imgcar13.set_picture(blue_down);
    imgcar14.set_picture(truck_up);
    imgcar15.set_picture(truck_up);

    timecar.on_tick = [this] { timecar_Timer(); };
    Timer1.on_tick = [this] { Timer1_Timer(); };
}

LinePoints frmw2l4::lane_dash(int index)
{
    // The lanes are 48 pixels apart; each line runs midway in the 8-pixel gap between two of them.
    double const x = 84 + 48.0 * (index / dashes_per_line);
    double const y = 8 + 32.0 * (index % dashes_per_line);
    return { x, y, x, y + 16 };
}

std::array<frmw2l4::Lane, 15> frmw2l4::traffic()
{
    return { {
        { imgcar01, Direction::down, 2, 10 },
        { imgcar02, Direction::down, 2, 10 },
        { imgcar03, Direction::down, 4, 10 },
        { imgcar04, Direction::down, 4, 10 },
        { imgcar05, Direction::down, 4, 10 },
        { imgcar06, Direction::down, 1, 10 },
        { imgcar07, Direction::down, 1, 10 },
        { imgcar08, Direction::up, 5, 10 },
        { imgcar09, Direction::up, 5, 10 },
        { imgcar10, Direction::up, 5, 10 },
        { imgcar11, Direction::down, 2, 10 },
        { imgcar12, Direction::down, 2, 10 },
        { imgcar13, Direction::down, 2, 10 },
        { imgcar14, Direction::up, 4, 14 },
        { imgcar15, Direction::up, 4, 15 },
    } };
}

void frmw2l4::Form_Load()
{
    briefing("World 2, Level 4: Why Did The Pig Cross The Road?",
        "The first of the four smart animals has escaped from the boss in the previous level, but must cross the road before reaching Farmer Ruv's Farm on the other side withing 80 seconds!  Use your arrow keys (up, down, left, and right) to steer the pig, but avoid the cars and trucks or you'll get set back to the start!  Remember, if you win all of these bonus levels, you will get something special at the end!");
    PlayMusic("\\W2L4.mid");
    timecar.enable();
    Timer1.enable();
}

void frmw2l4::Form_Unload() { StopMusic("\\W2L4.mid"); }

bool frmw2l4::touches_pig(Sprite const& car) const
{
    // Touching edges count as a hit.
    return imgpig1.left() + imgpig1.width() >= car.left() && car.left() + car.width() >= imgpig1.left()
        && imgpig1.top() + imgpig1.height() >= car.top() && car.top() + car.height() >= imgpig1.top();
}

void frmw2l4::timecar_Timer()
{
    auto const lanes = traffic();
    for (auto const& lane : lanes) {
        double const step = lane.direction == Direction::down ? lane.speed : -lane.speed;
        lane.car.set_top(lane.car.top() + step);
    }
    // A vehicle that has driven off one edge comes back at the other with its last 15 pixels
    // showing (or, going up, somewhat below the edge, by its slack).
    for (auto const& lane : lanes) {
        auto& car = lane.car;
        if (lane.direction == Direction::down && car.top() - car.height() + lane.slack >= scale_height())
            car.set_top(15 - car.height());
        else if (lane.direction == Direction::up && car.top() + car.height() - lane.slack <= 0)
            car.set_top(scale_height() + car.height() - 15);
    }
    for (auto const& lane : lanes) {
        if (touches_pig(lane.car))
            imgpig1.set_left(0);
    }
}

void frmw2l4::Form_KeyUp(int key_code, int /*shift*/)
{
    // Each bound is tested before the step, so the pig may end one step past the left, top and
    // bottom edges but no further.
    double const across = imgpig1.width() - step_margin;
    double const along = imgpig1.height() - step_margin;
    if (key_code == keys::left) {
        if (imgpig1.left() >= 0)
            imgpig1.set_left(imgpig1.left() - across);
    } else if (key_code == keys::right) {
        if (imgpig1.left() + imgpig1.width() <= scale_width())
            imgpig1.set_left(imgpig1.left() + across);
    } else if (key_code == keys::down) {
        if (imgpig1.top() + imgpig1.height() <= scale_height())
            imgpig1.set_top(imgpig1.top() + along);
    } else if (key_code == keys::up) {
        if (imgpig1.top() >= 0)
            imgpig1.set_top(imgpig1.top() - along);
    }
    if (imgpig1.left() >= far_side)
        win();
}

void frmw2l4::win()
{
    // Keys still move the pig during the box and the pause that follow; the far side must not
    // count a second bonus for them.
    if (m_outcome != Outcome::crossing)
        return;
    m_outcome = Outcome::won;
    StopMusic("\\W2L4.mid");
    PlaySound("\\way2rok.wav");
    MsgBox("Congrats you beat the level!");
    count_bonus();
    Pause(1);
    move_on();
}

void frmw2l4::Timer1_Timer()
{
    timetime.set_interval(timetime.interval() - 1);
    lbltime.set_caption(std::to_string(timetime.interval()));
    if (timetime.interval() != 0)
        return;
    // The countdown goes on during the win's box and pause, so the time can still run out then:
    // the player is told, and the bonus already won stays counted.
    if (m_outcome == Outcome::crossing)
        m_outcome = Outcome::timed_out;
    MsgBox("You're out of time!");
    move_on();
}

// Both ends lead here, and a time-out inside the win's pause makes both run: the intermission is
// shown once. The traffic stops with the countdown, as nothing is left for it to do.
void frmw2l4::move_on()
{
    Timer1.disable();
    if (m_moved_on)
        return;
    m_moved_on = true;
    timecar.disable();
    hand_over("\\W2L4.mid", "frmw2l5");
}

}
