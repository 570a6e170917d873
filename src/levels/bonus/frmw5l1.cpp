// The secret dance level: the two demonstrations, the player's keys judged step by step, and the
// ways out: the true ending when both dances are done, the final credits on a wrong key.
#include "levels/bonus/frmw5l1.hpp"

#include "art/effects.hpp"
#include "art/farm_animals.hpp"
#include "art/grawn.hpp"
#include "platform/input.hpp"

#include <array>

namespace levels {

namespace {

constexpr double pig_step = 5;
constexpr double pig_home_left = 136;
constexpr double pig_home_top = 184;

constexpr std::array<int, 8> first_steps { keys::up, keys::down, keys::up, keys::up, keys::right, keys::left, keys::up, keys::up };
constexpr std::array<int, 9> second_steps { keys::left, keys::up, keys::down, keys::up, keys::right, keys::right, keys::up, keys::left,
    keys::down };

bool is_arrow(int key_code) { return key_code >= keys::left && key_code <= keys::down; }

}

frmw5l1::StageShape::StageShape(Form& form, std::string name, int index)
    : Shape(form, std::move(name), index == 0 ? Rect { 24, 56, 297, 201 } : Rect { 24, 152, 297, 105 },
          index == 0 ? ShapeStyle { .fill_style = FillStyle::solid, .fill = colors::black }
                     : ShapeStyle { .kind = ShapeKind::oval, .fill_style = FillStyle::solid, .fill = { 216, 172, 90 } })
{
}

frmw5l1::frmw5l1(Runtime& runtime)
    : Screen(runtime, "frmw5l1", { .caption = "Grawn 2", .width = 353, .height = 326, .back = { 255, 255, 128 } })
{
    imgblood.set_picture(make_picture("imgblood", art::blood_splat()));
    // The guards are the S-Grawns of the briefing, each facing the pig.
    imggrawn1.set_picture(make_picture("imggrawn1", art::s_grawn(art::Mutation::mutated, art::Facing::right)));
    imggrawn2.set_picture(make_picture("imggrawn2", art::s_grawn(art::Mutation::mutated, art::Facing::left)));
    imgpig.set_picture(make_picture("imgpig", art::pig(art::Facing::right)));

    dance1.on_tick = [this] { dance1_Timer(); };
    dance2.on_tick = [this] { dance2_Timer(); };
}

frmw5l1::Dance const& frmw5l1::dance(int number)
{
    static Dance const first { first_steps, "Up Down Up Up Right Left Up Up", 1, 1.5 };
    static Dance const second { second_steps, "Left Up Down Up Right Right Up Left Down", 0.75, 1.25 };
    return number == 0 ? first : second;
}

int frmw5l1::key_of_step(int step) const
{
    auto const steps = dance_in_play().steps;
    if (step < 1 || step > static_cast<int>(steps.size()))
        return 0;
    return steps[static_cast<std::size_t>(step - 1)];
}

void frmw5l1::Form_Load()
{
    briefing("World 5, Level 1: Pig Channel 5",
        "The last smart pig has been found, and it is in Nevada near Area 51.  As it turns out, Raved's plan was to keep it as backup, and make sure it was safe by guarding it specail S-Grawns.  These specail grawns are resistant to normal gun fire, so in order to get by them you must put them in a hypnotic state.  To do this you'll need top notch dance moves.  Pay attention, as the moves are only shown once, and if you mess up the grawns will catch on to what you're doing.  To do the dance moves, press the keys on your keyboard in the order you see them done on the screen.  Hurry up, cause you only have a small ammount of time to do this!");
    PlayMusic("\\W5L1.mid");
    dance1.enable();
}

void frmw5l1::Form_Unload() { StopMusic("\\W5L1.mid"); }

void frmw5l1::dance1_Timer() { show_dance(dance1); }

void frmw5l1::dance2_Timer() { show_dance(dance2); }

// The pig performs the dance in play, each move with its sound, and then the player's turn begins:
// the names of the moves go and the keys are taken.
void frmw5l1::show_dance(Timer& timer)
{
    auto const& shown = dance_in_play();
    for (std::size_t i = 0; i < shown.steps.size(); ++i) {
        move_pig(shown.steps[i]);
        play_move(shown.steps[i]);
        Pause(i + 1 < shown.steps.size() ? shown.pause : shown.last_pause);
    }
    timer.disable();
    lbldance.hide();
    timeset.enable();
}

void frmw5l1::move_pig(int key_code)
{
    if (key_code == keys::up)
        imgpig.set_top(imgpig.top() - pig_step);
    else if (key_code == keys::down)
        imgpig.set_top(imgpig.top() + pig_step);
    else if (key_code == keys::left)
        imgpig.set_left(imgpig.left() - pig_step);
    else if (key_code == keys::right)
        imgpig.set_left(imgpig.left() + pig_step);
}

void frmw5l1::play_move(int key_code)
{
    if (key_code == keys::up)
        PlayUp();
    else if (key_code == keys::down)
        PlayDown();
    else if (key_code == keys::left)
        PlayLeft();
    else if (key_code == keys::right)
        PlayRight();
}

// A press is only judged: a wrong arrow loses at once, while a right one counts when released.
// Held keys repeat their key-down, which changes nothing, and a second arrow pressed before the
// first is released is judged against the same step. The last step of the first dance is the
// exception: it counts on the press.
void frmw5l1::Form_KeyDown(int key_code, int /*shift*/)
{
    if (!input_open() || !is_arrow(key_code))
        return;
    if (key_code != key_of_step(combo.interval())) {
        lose();
        return;
    }
    bool const last_of_first = timeset.interval() == 0 && combo.interval() == static_cast<int>(first_steps.size());
    if (last_of_first)
        next_dance();
}

void frmw5l1::Form_KeyUp(int key_code, int /*shift*/)
{
    if (!input_open())
        return;
    int const step = combo.interval();
    if (key_code != key_of_step(step))
        return;
    if (step < static_cast<int>(dance_in_play().steps.size())) {
        combo.set_interval(step + 1);
        move_pig(key_code);
    } else if (timeset.interval() == 1) {
        win();
    }
}

void frmw5l1::next_dance()
{
    MsgBox("Pretty nice.  Now let's try this one:", MsgIcon::information, "Combo 1 Complete");
    timeset.set_interval(1);
    imgpig.move(pig_home_left, pig_home_top);
    timeset.disable();
    lbldance.set_caption(std::string(dance(1).caption));
    lbldance.show();
    dance2.enable();
    combo.set_interval(1);
}

// The input closes first, so nothing a player does once the box has gone can judge another step.
void frmw5l1::lose()
{
    timeset.disable();
    if (timeset.interval() == 0) {
        MsgBox("Oh no!  The dance combo was done wrong!  Game Over", MsgIcon::information, "Grawn 2");
        hand_over("\\W5L1.mid", "frmcredits2");
        return;
    }
    MsgBox("Oh nooo!  The dance combo was doen wrong!  Game Over", MsgIcon::information, "Grawn 2");
    hide();
    show_screen("frmcredits2");
    StopMusic("\\W5L1.mid");
}

void frmw5l1::win()
{
    timeset.disable();
    PlayShock();
    imggrawn1.set_picture(imgblood.picture());
    imggrawn2.set_picture(imgblood.picture());
    MsgBox("All Smart Animals Saved!", MsgIcon::information, "Grawn 2");
    hand_over("\\W5L1.mid", "frmend");
}

}
