// "The End?": the shooting, the robbers' walk in and the animals taken away.
#include "scenes/frmw3l5.hpp"

#include "art/effects.hpp"
#include "art/farm_animals.hpp"
#include "art/farmstead.hpp"
#include "art/robber.hpp"

#include <array>

namespace scenes {

namespace {

constexpr double robber_step = 2;
// The robbers stop once they have come this far in from the right edge.
constexpr double robbers_in = 412;

}

frmw3l5::frmw3l5(Runtime& runtime)
    : Screen(runtime, "frmw3l5", { .caption = "Grawn 2", .width = 455, .height = 388, .back = { 0, 192, 192 } })
{
    Image1.set_picture(make_picture("Image1", art::farmstead()));
    auto const bale = make_picture("Image2(0)", art::hay_bale());
    for (auto& b : Image2)
        b->set_picture(bale);
    Image3.set_picture(make_picture("Image3", art::water_trough()));
    Image4.set_picture(bale);
    auto const sheep_picture = make_picture("sheep(0)", art::sheep(art::Facing::right));
    for (auto& s : sheep)
        s->set_picture(sheep_picture);
    auto const pig_picture = make_picture("pig(0)", art::pig(art::Facing::right));
    for (auto& p : pig)
        p->set_picture(pig_picture);
    auto const cow_picture = make_picture("cow(0)", art::cow(art::Facing::left));
    for (auto& c : cow)
        c->set_picture(cow_picture);
    auto const robber_picture = make_picture("robber(0)", art::robber(art::Facing::left));
    for (auto& r : robber)
        r->set_picture(robber_picture);
    auto const hole_picture = make_picture("hole(0)", art::bullet_hole());
    for (auto& h : hole)
        h->set_picture(hole_picture);

    Timer1.on_tick = [this] { Timer1_Timer(); };
    timerobber.on_tick = [this] { timerobber_Timer(); };
}

LinePoints frmw3l5::rail(int index)
{
    // The pen's top and bottom rails, and a middle rail along its back half.
    static std::array<LinePoints, 3> const rails { { { 120, 192, 280, 192 }, { 120, 272, 240, 272 }, { 120, 232, 200, 232 } } };
    return rails.at(index);
}

Rect frmw3l5::bale_place(int index)
{
    // A stack of straw in the pen: three, two and one.
    static std::array<Rect, 6> const places { { { 130, 246, 26, 20 }, { 156, 246, 26, 20 }, { 182, 246, 26, 20 }, { 143, 226, 26, 20 },
        { 169, 226, 26, 20 }, { 156, 206, 26, 20 } } };
    return places.at(index);
}

Rect frmw3l5::hole_place(int index)
{
    static std::array<double, 10> const tops { 56, 80, 104, 128, 152, 176, 200, 224, 328, 352 };
    return { 8, tops.at(index), 20, 20 };
}

Rect frmw3l5::place(int index, std::initializer_list<double> lefts, std::initializer_list<double> tops)
{
    return { *(lefts.begin() + index), *(tops.begin() + index), 35, 35 };
}

// Five seconds in, ten shots go through the picture; then the robbers come.
void frmw3l5::Timer1_Timer()
{
    for (auto& h : hole) {
        PlaySound("\\gundead.wav");
        h->show();
        Pause(0.5);
    }
    Timer1.disable();
    Label1.set_caption("The End?");
    timerobber.enable();
    for (auto& r : robber)
        r->show();
}

void frmw3l5::timerobber_Timer()
{
    for (auto& r : robber)
        r->set_left(r->left() - robber_step);
    if (robber(0).left() + robber(0).width() > robbers_in)
        return;
    timerobber.disable();
    PlaySound("\\giveup.wav");
    Pause(3);
    take_away(sheep, "\\sheep.wav");
    take_away(pig, "\\pig.wav");
    take_away(cow, "\\cow.wav");
    for (auto& r : robber)
        r->hide();
    timerobber.disable();
    MsgBox("Oh No!  The robbers took the farm animals!  You must get them back!", MsgIcon::information, "World 3 Complete");
    hide();
    show_screen("frmw4l1");
}

void frmw3l5::take_away(ControlArray<Sprite>& animals, std::string_view cry)
{
    for (auto& animal : animals) {
        animal->hide();
        PlaySound(cry);
        Pause(0.5);
    }
}

}
