// The complex's destruction: the script in the first tick and the rumble that goes with it.
#include "scenes/frmw4l2x.hpp"

#include "art/effects.hpp"
#include "art/office_block.hpp"

#include <array>

namespace scenes {

namespace {

constexpr int columns = 5;
constexpr double window_pitch = 88;
constexpr int blast_size = 20;
constexpr int explosion_size = 150;

struct Place {
    double left;
    double top;
};

constexpr std::array<Place, frmw4l2x::boom_count> boom_places { {
    { 32, 56 }, { 128, 144 }, { 32, 232 }, { 296, 56 }, { 216, 224 }, { 112, 312 }, { 304, 216 }, { 128, 48 },
    { -16, 232 }, { 112, 232 }, { 240, 240 }, { 344, 232 }, { 0, 144 }, { 112, 128 }, { 216, 144 }, { 336, 128 },
    { -40, 56 }, { 104, 32 }, { 232, 32 }, { 352, 24 }, { -16, -32 }, { 112, -32 }, { 224, -32 }, { 344, -24 },
} };

}

frmw4l2x::frmw4l2x(Runtime& runtime)
    : Screen(runtime, "frmw4l2x", { .caption = "Grawn 2", .width = 437, .height = 377, .back = { 145, 145, 145 } })
{
    auto const window = make_picture("imgwindow(0)", art::office_window());
    for (auto& w : imgwindow)
        w->set_picture(window);
    auto const blast = make_picture("imgboom(0)", art::small_blast());
    auto const explosion = make_picture("imgboom(8)", art::explosion(explosion_size));
    for (auto& boom : imgboom)
        boom->set_picture(boom->index() < blast_count ? blast : explosion);

    Timer1.on_tick = [this] { Timer1_Timer(); };
    shake.on_tick = [this] { shake_Timer(); };
}

Rect frmw4l2x::window_place(int index)
{
    return { 8 + (index % columns) * window_pitch, 16 + (index / columns) * window_pitch, art::office_window_size, art::office_window_size };
}

Rect frmw4l2x::boom_place(int index)
{
    int const size = index < blast_count ? blast_size : explosion_size;
    return { boom_places.at(index).left, boom_places.at(index).top, static_cast<double>(size), static_cast<double>(size) };
}

// The whole scene runs in the first tick, a second between its steps.
void frmw4l2x::Timer1_Timer()
{
    Pause(1);
    for (int k = 0; k < blast_count; ++k) {
        imgboom(k).show();
        PlayGunDead();
        Pause(1);
    }
    shake.enable();
    PlayExplosion();
    Pause(1);
    for (int k = blast_count; k < boom_count; ++k) {
        imgboom(k).show();
        Pause(1);
    }
    shake.disable();
    Timer1.disable();
    MsgBox("Complex Destroyed!  Good job, now the only task remaining is to save the last 2 of the stolen animals!");
    hide();
    show_screen("frmw4l2");
}

// Rumbles on, an explosion with every round of jolts, until the script stops it.
void frmw4l2x::shake_Timer()
{
    PlayExplosion();
    shake_window();
}

}
