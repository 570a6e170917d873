// The pig trotting in, the Grawn's walk into the machine, the machine's work and the S-Grawn's
// appearance, its howl and the shake that kills the pig, then the hand-over to World 3.
#include "scenes/frmw2l5.hpp"

#include "art/effects.hpp"
#include "art/farm_animals.hpp"
#include "art/grawn.hpp"
#include "art/reincarnation.hpp"

#include <string>

namespace scenes {

namespace {

// The pig's and the Grawn's steps per tick, in pixels.
constexpr double pig_step = 5.75;
constexpr double grawn_step = 4;

}

frmw2l5::frmw2l5(Runtime& runtime)
    : Screen(runtime, "frmw2l5", { .caption = "Grawn 2", .width = 510, .height = 253 })
{
    imgpig.set_picture(make_picture("imgpig", art::pig(art::Facing::right)));
    imggrawn.set_picture(make_picture("imggrawn", art::grawn(art::Facing::right)));

    Sprite* const machine_frames[] = { &imgmf1, &imgmf2, &imgmf3, &imgmf4, &imgmf5, &imgmf6, &imgmf7, &imgmf8 };
    imgmf1.set_picture(make_picture("imgmf1", art::reincarnation_machine_at_rest()));
    for (int step = 1; step <= art::reincarnation_machine_steps; ++step) {
        auto* const store = machine_frames[step];
        store->set_picture(make_picture(store->name(), art::reincarnation_machine_working(step)));
    }
    imgmf8.set_picture(make_picture("imgmf8", art::reincarnation_machine_face()));
    imgmachine.set_picture(imgmf1.picture());

    imggf1.set_picture(imggrawn.picture());
    imggf2.set_picture(make_picture("imggf2", art::s_grawn(art::Mutation::stirring, art::Facing::right)));
    imggf3.set_picture(make_picture("imggf3", art::s_grawn(art::Mutation::swelling, art::Facing::right)));
    imggf4.set_picture(make_picture("imggf4", art::s_grawn(art::Mutation::mutated, art::Facing::right)));
    imggf5.set_picture(make_picture("imggf5", art::s_grawn_surging(art::Facing::right)));
    imgbf1.set_picture(make_picture("imgbf1", art::blood_splat()));

    timepig1.on_tick = [this] { timepig1_Timer(); };
    timegrawn11.on_tick = [this] { timegrawn11_Timer(); };
    timegrawn12.on_tick = [this] { timegrawn12_Timer(); };
    shake.on_tick = [this] { shake_Timer(); };
}

void frmw2l5::Form_Load()
{
    StopMusic("\\W2L4.mid");
    PlayMusic("\\W2L5.mid");
}

void frmw2l5::Form_Unload()
{
    StopMusic("\\W2L5.mid");
    StopMusic("\\W2L52.mid");
}

void frmw2l5::flick(Sprite& sprite, std::initializer_list<Sprite const*> stores, double seconds)
{
    for (auto const* store : stores) {
        sprite.set_picture(store->picture());
        Pause(seconds);
    }
}

// The Grawn sets off once the pig is in the picture; switching it on again later changes nothing.
void frmw2l5::timepig1_Timer()
{
    imgpig.set_left(imgpig.left() + pig_step);
    if (imgpig.left() >= 0)
        timegrawn11.enable();
}

// The pig stops where it is the moment the Grawn is inside.
void frmw2l5::timegrawn11_Timer()
{
    imggrawn.set_left(imggrawn.left() + grawn_step);
    if (imggrawn.left() >= imgmachine.left()) {
        imggrawn.hide();
        timegrawn12.enable();
        timegrawn11.disable();
        timepig1.disable();
    }
}

// Runs once: the sequence outlasts the timer's interval, and the timer is off before the story box
// opens.
void frmw2l5::timegrawn12_Timer()
{
    flick(imgmachine, { &imgmf2, &imgmf3, &imgmf4, &imgmf5, &imgmf6, &imgmf7 }, 0.1);
    flick(imgmachine, { &imgmf1 }, 2);
    flick(imgmachine, { &imgmf8 }, 0.4);
    imgmachine.set_picture(imgmf1.picture());

    // The Grawn steps out at the machine's far end, changed.
    StopMusic("\\W2L5.mid");
    imggrawn.show();
    PlayMusic("\\W2L52.mid");
    imggrawn.set_left(imgmachine.left() + imgmachine.width());
    flick(imggrawn, { &imggf2 }, 1);
    flick(imggrawn, { &imggf3, &imggf4, &imggf5 }, 0.3);

    // ... vanishes, and is back at the left edge, behind the pig.
    imggrawn.hide();
    Pause(1);
    imggrawn.set_left(0);
    imggrawn.show();
    flick(imggrawn, { &imggf4, &imggf3, &imggf2 }, 0.3);

    // The shake comes under the story box, so the pig dies behind it.
    PlayHowl();
    shake.enable();
    timegrawn12.disable();
    MsgBox("World 2 Complete!  Congratulations!  But watch out for these new S-Grawns!", MsgIcon::information, "Grawn 2");
    // The new tune plays on into World 3, which stops it.
    hand_over("\\W2L5.mid", "frmw3l1");
}

void frmw2l5::shake_Timer()
{
    shake_window();
    shake.disable();
    imgpig.set_picture(imgbf1.picture());
}

}
