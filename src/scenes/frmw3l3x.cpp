// The shocks, the Mecha Grawn's arrival, the explosion and the barn's collapse, then the hand-over
// to the World 3 boss.
#include "scenes/frmw3l3x.hpp"

#include "art/mecha_attack.hpp"

#include <initializer_list>

namespace scenes {

frmw3l3x::frmw3l3x(Runtime& runtime)
    : Screen(runtime, "frmw3l3x", { .caption = "Grawn 2", .width = 521, .height = 249, .unit = ScaleUnit::twip })
{
    imgbarn.set_picture(make_picture("imgbarn", art::attacked_barn()));
    Sprite* const frames[] = { &imgbf1, &imgbf2, &imgbf3, &imgbf4 };
    for (int frame = 1; frame <= art::barn_collapse_frames; ++frame) {
        auto* const store = frames[frame - 1];
        store->set_picture(make_picture(store->name(), art::barn_collapsing(frame)));
    }
    // It comes from the right, towards the barn.
    imgboss.set_picture(make_picture("imgboss", art::mecha_grawn(art::Facing::left)));

    Timer1.on_tick = [this] { Timer1_Timer(); };
    shake.on_tick = [this] { shake_Timer(); };
    milkshake.on_tick = [this] { milkshake_Timer(); };
}

void frmw3l3x::Form_Load() { PlayMusic("\\W3L3X.mid"); }

// The tune of the hand-over is never running while this window can still be closed.
void frmw3l3x::Form_Unload() { StopMusic("\\W3L3X.mid"); }

// Runs once: the whole scene happens inside this first tick, and the shakes inside its waits.
void frmw3l3x::Timer1_Timer()
{
    Pause(2);
    StopMusic("\\W3L3X.mid");
    shake.enable();
    for (int shock = 2; shock <= 5; ++shock) {
        Pause(2);
        shake.enable();
    }
    Pause(2);
    imgboss.show();
    PlayHowl();
    Pause(4);
    // The first wait below ends only after the long shake, so the barn falls with the window
    // back in place.
    milkshake.enable();
    for (auto const* frame : { &imgbf1, &imgbf2, &imgbf3, &imgbf4 }) {
        Pause(0.3);
        imgbarn.set_picture(frame->picture());
    }
    Pause(2);
    // The new tune plays on into the boss fight.
    PlayMusic("\\W1L52.mid");
    PlayHowl();
    Timer1.disable();
    hide();
    show_screen("frmw3l3");
}

void frmw3l3x::shake_Timer()
{
    PlayGunDead();
    shake_window();
    shake.disable();
}

void frmw3l3x::milkshake_Timer()
{
    // Four times the length of a shock: sixteen jolts.
    PlayExplosion();
    for (int i = 0; i < 4; ++i)
        shake_window();
    milkshake.disable();
}

}
