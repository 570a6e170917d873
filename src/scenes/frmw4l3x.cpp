// The flashback: the sheep's change at the stone, the walk to the forest, the dialogue with the
// Grawns and the walk away.
#include "scenes/frmw4l3x.hpp"

#include "art/effects.hpp"
#include "art/grawn.hpp"
#include "art/raved.hpp"
#include "art/scenery.hpp"

#include <array>

namespace scenes {

namespace {

constexpr double walk_step = 2;

// The flicker at the stone: how long each look holds before the next, and which look comes.
enum class Look { plain, glowing, changed };
struct Flicker {
    double pause;
    Look look;
};
constexpr std::array<Flicker, 20> flicker { {
    { 1, Look::glowing }, { 0.1, Look::plain }, { 0.9, Look::glowing }, { 0.2, Look::plain }, { 0.8, Look::glowing },
    { 0.3, Look::plain }, { 0.7, Look::glowing }, { 0.4, Look::plain }, { 0.6, Look::glowing }, { 0.5, Look::plain },
    { 0.5, Look::glowing }, { 0.6, Look::plain }, { 0.4, Look::glowing }, { 0.7, Look::plain }, { 0.3, Look::glowing },
    { 0.8, Look::plain }, { 0.2, Look::glowing }, { 0.9, Look::plain }, { 0.1, Look::glowing }, { 0.5, Look::changed },
} };

// The shudder before the kill; it leaves the sheep four pixels lower.
constexpr std::array<double, 10> shudder { 5, -5, 5, -1, 5, -5, 5, -5, 5, -5 };

}

frmw4l3x::frmw4l3x(Runtime& runtime)
    : Screen(runtime, "frmw4l3x", { .caption = "Grawn 2", .width = 373, .height = 293 })
{
    auto const tree_picture = make_picture("tree(0)", art::tree());
    for (auto& t : tree)
        t->set_picture(tree_picture);
    Image1.set_picture(make_picture("Image1", art::strange_stone()));
    sf1.set_picture(make_picture("sf1", art::raved(art::RavedLook::plain)));
    sf2.set_picture(make_picture("sf2", art::raved(art::RavedLook::glowing)));
    sf3.set_picture(make_picture("sf3", art::raved(art::RavedLook::changed)));
    blood.set_picture(make_picture("blood", art::blood_splat()));
    auto const grawn_picture = make_picture("grawn(0)", art::grawn(art::Facing::left));
    for (auto& g : grawn)
        g->set_picture(grawn_picture);
    sheep.set_picture(sf1.picture());

    timesheep.on_tick = [this] { timesheep_Timer(); };
    timesheep2.on_tick = [this] { timesheep2_Timer(); };
    timesheep3.on_tick = [this] { timesheep3_Timer(); };
    timesheep4.on_tick = [this] { timesheep4_Timer(); };
}

Rect frmw4l3x::place(int index, std::initializer_list<double> lefts, std::initializer_list<double> tops, double width, double height)
{
    return { *(lefts.begin() + index), *(tops.begin() + index), width, height };
}

void frmw4l3x::Form_Load() { PlayMusic("\\W4L3X1.mid"); }

void frmw4l3x::Form_Unload()
{
    StopMusic("\\W4L3X1.mid");
    StopMusic("\\W4L3X2.mid");
    StopMusic("\\W4L3X3.mid");
}

// Two years ago: the sheep walks up to the stone and flickers into something else.
void frmw4l3x::timesheep_Timer()
{
    sheep.set_left(sheep.left() + walk_step);
    if (sheep.left() + sheep.width() < 305)
        return;
    for (auto const& step : flicker) {
        Pause(step.pause);
        Sprite const& look = step.look == Look::plain ? sf1 : step.look == Look::glowing ? sf2 : sf3;
        sheep.set_picture(look.picture());
    }
    StopMusic("\\W4L3X1.mid");
    PlayMusic("\\W4L3X2.mid");
    timesheep.disable();
    timesheep2.enable();
}

// It walks off; the forest a year later takes the stage.
void frmw4l3x::timesheep2_Timer()
{
    sheep.set_left(sheep.left() - walk_step);
    if (sheep.left() + sheep.width() > -5)
        return;
    timesheep2.disable();
    Label1.set_caption("1 Year Ago");
    Image1.hide();
    Shape1.set_fill({ 0, 128, 0 });
    for (auto& t : tree)
        t->show();
    timesheep3.enable();
    sheep.set_picture(sf2.picture());
    for (auto& g : grawn)
        g->show();
    StopMusic("\\W4L3X2.mid");
    PlayMusic("\\W4L3X3.mid");
}

// Raved walks in among the Grawns, and they talk.
void frmw4l3x::timesheep3_Timer()
{
    sheep.set_left(sheep.left() + walk_step);
    if (sheep.left() < 192)
        return;
    Label2.set_caption("Grawn: Why should we attack the farm animals?");
    Pause(2);
    Label2.set_caption("Raved: Listen to me or die!");
    Pause(2);
    Label2.set_caption("Grawn: You do not scare us, sheep.");
    Pause(2);
    for (double change : shudder) {
        sheep.set_top(sheep.top() + change);
        Pause(0.1);
    }
    grawn(1).set_picture(blood.picture());
    PlaySound("\\gundead.wav");
    Pause(1);
    Label2.set_caption("Raved: Now, does anyone else want to oppose me?");
    Pause(2);
    Label2.set_caption("Grawn: We're on our way!");
    Pause(2);
    timesheep4.enable();
    timesheep3.disable();
    sheep.set_picture(sf3.picture());
}

// Raved leaves with the three Grawns still standing; the dead one stays.
void frmw4l3x::timesheep4_Timer()
{
    for (Sprite* walker : { &sheep, &grawn(0), &grawn(2), &grawn(3) })
        walker->set_left(walker->left() - walk_step);
    if (grawn(0).left() + grawn(0).width() > -15)
        return;
    timesheep4.disable();
    StopMusic("\\W4L3X3.mid");
    hide();
    show_screen("frmw4l3");
}

}
