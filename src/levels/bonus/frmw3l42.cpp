// World 3, Level 4: the start signal, the player's clicks, the Grawn's boat and its catch-up in
// the final stretch, and the move on to the story scene whether the race is won or lost.
#include "levels/bonus/frmw3l42.hpp"

#include "art/farm_animals.hpp"
#include "art/grawn.hpp"
#include "art/regatta.hpp"

#include <array>

namespace levels {

namespace {

// Pixels the cow's boat moves per left click.
constexpr double blow_step = 5;
// Pixels the Grawn's boat sails per tick, and the extra it finds while the player leads in the
// final stretch.
constexpr double sail_step = 3;
constexpr double catch_up_step = 1.5;
// The final stretch begins where the boat's bow reaches the button's left edge.
constexpr double final_stretch = 376;

}

frmw3l42::frmw3l42(Runtime& runtime)
    : Screen(runtime, "frmw3l42", { .caption = "Grawn 2", .width = 477, .height = 447, .back = { 0, 128, 0 } })
{
    // The farm's supporters watch from the left bank, the Grawns' from the right.
    bg(0).set_picture(make_picture("bg(0)", art::pig(art::Facing::right)));
    bg(1).set_picture(make_picture("bg(1)", art::cow(art::Facing::right)));
    bg(2).set_picture(make_picture("bg(2)", art::sheep(art::Facing::right)));
    auto const fan = make_picture("bg2(0)", art::grawn(art::Facing::left));
    for (auto& grawn_fan : bg2)
        grawn_fan->set_picture(fan);
    cow.set_picture(make_picture("cow", art::sailboat(art::Crew::cow)));
    grawn.set_picture(make_picture("grawn", art::sailboat(art::Crew::grawn)));
    Image3.set_picture(make_picture("Image3", art::click_button()));
    Image3.disable();

    Timer1.on_tick = [this] { Timer1_Timer(); };
    timegrawn.on_tick = [this] { timegrawn_Timer(); };
    Image3.on_mouse_down = [this](MouseEvent const& e) { Image3_MouseDown(e.button); };
}

double frmw3l42::bg_left(int index)
{
    constexpr std::array<double, 3> lefts { 112, 160, 224 };
    return lefts.at(static_cast<std::size_t>(index));
}

Rect frmw3l42::bg2_place(int index)
{
    constexpr std::array<double, 6> lefts { 344, 384, 304, 344, 384, 424 };
    constexpr std::array<double, 6> tops { 8, 16, 40, 48, 64, 48 };
    auto const i = static_cast<std::size_t>(index);
    return { lefts.at(i), tops.at(i), 35, 34 };
}

LabelStyle frmw3l42::banner_style()
{
    return { .font = { .face = "Comic Sans MS", .size = 12, .weight = FontWeight::bold },
        .back = { 128, 64, 0 },
        .back_style = BackStyle::opaque,
        .alignment = Alignment::center };
}

LabelStyle frmw3l42::signal_style()
{
    return { .font = { .face = "Arial", .size = 16, .weight = FontWeight::bold }, .fore = { 255, 0, 0 }, .back_style = BackStyle::transparent };
}

void frmw3l42::Form_Load()
{
    briefing("World 3, Level 4:  Blow It Up!",
        "It's time for a day at the races... the sailing races.  It's the 5th annual Grawn-Farmer Ruv's Farm Interclub Regatta, but there's no wind!  So, you'll need to blow air into your sail by clicking the 'Click' button as fast as you can.  Be the first to get your boat across the screen to claim the prize (and help your chances of getting the secret reward at the end of the game!)");
    // The start signal runs behind the briefing; a player who kept it open until the Grawn
    // arrived has lost and been moved on already, and this tune must not start under the next
    // screen.
    if (m_race != Race::on)
        return;
    PlayMusic("\\W3L42.mid");
}

void frmw3l42::Form_Unload() { StopMusic("\\W3L42.mid"); }

void frmw3l42::Timer1_Timer()
{
    Label2.set_caption("Get Set!");
    Pause(1);
    Label2.set_caption("Go!");
    Timer1.disable();
    timegrawn.enable();
    Image3.enable();
}

void frmw3l42::Image3_MouseDown(int button)
{
    // Only the left button blows, but any button looks whether the boat has arrived.
    if (button == left_button)
        cow.set_left(cow.left() + blow_step);
    if (cow.left() + cow.width() >= scale_width())
        win();
}

void frmw3l42::timegrawn_Timer()
{
    grawn.set_left(grawn.left() + sail_step);
    if (grawn.left() + grawn.width() >= scale_width())
        lose();
    if (cow.left() + cow.width() >= final_stretch && cow.left() >= grawn.left())
        grawn.set_left(grawn.left() + catch_up_step);
}

void frmw3l42::win()
{
    if (m_race != Race::on)
        return;
    m_race = Race::won;
    MsgBox("You Win!");
    count_bonus();
    timegrawn.disable();
    StopMusic("\\W3L42.mid");
    MsgBox("Congratulations!  You won!  And you beat the world!  Your code for beating World is 'crushtheherds'!", MsgIcon::information,
        "World 3 Complete!");
    move_on();
}

void frmw3l42::lose()
{
    if (m_race != Race::on)
        return;
    m_race = Race::lost;
    MsgBox("You Lose!");
    StopMusic("\\W3L42.mid");
    MsgBox("Darn, you lost.  However, you do get a code for winning the world.  Your code is: 'crushtheherds'.", MsgIcon::information,
        "Wolrd 3 Complete!");
    timegrawn.disable();
    move_on();
}

void frmw3l42::move_on()
{
    hide();
    show_screen("frmw3l5");
}

}
