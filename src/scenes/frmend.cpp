// The dance figures of the true ending, its three messages and the hand-over to the credits.
#include "scenes/frmend.hpp"

#include "art/farm_animals.hpp"

namespace scenes {

frmend::frmend(Runtime& runtime)
    : Screen(runtime, "frmend", { .caption = "Grawn 2", .width = 390, .height = 310, .back = { 0, 255, 255 } })
{
    imgpig1.set_picture(make_picture("imgpig1", art::pig(art::Facing::left)));
    imgpig2.set_picture(make_picture("imgpig2", art::pig(art::Facing::right)));
    imgsheep.set_picture(make_picture("imgsheep", art::sheep(art::Facing::left)));
    imgcow.set_picture(make_picture("imgcow", art::cow(art::Facing::right)));

    timepig1.on_tick = [this] { timepig1_Timer(); };
    timesheep.on_tick = [this] { timesheep_Timer(); };
    timecow.on_tick = [this] { timecow_Timer(); };
    timepig2.on_tick = [this] { timepig2_Timer(); };
    Timer1.on_tick = [this] { Timer1_Timer(); };
    Timer2.on_tick = [this] { Timer2_Timer(); };
}

void frmend::Form_Load() { PlayMusic("\\W1L5.mid"); }

void frmend::Form_Unload() { StopMusic("\\W1L5.mid"); }

// A figure runs inside one tick of its dancer's timer; its beats let the other dancers and the
// message line go on meanwhile. The last move has no beat after it and brings the dancer home, so
// however the figures interleave, no dancer drifts.
void frmend::dance(Sprite& dancer, std::initializer_list<Move> figure)
{
    for (auto const& move : figure) {
        dancer.move(dancer.left() + move.left, dancer.top() + move.top);
        if (move.beat > 0)
            Pause(move.beat);
    }
}

void frmend::timepig1_Timer() { dance(imgpig1, { { 3, 0, 0.5 }, { -3, 0, 0.3 }, { 0, 7, 0.5 }, { 0, -4, 0.3 }, { 0, -3 } }); }
void frmend::timesheep_Timer() { dance(imgsheep, { { 3, 0, 0.2 }, { 4, 0, 0.5 }, { -9, 0, 0.2 }, { 2, 0 } }); }
void frmend::timecow_Timer() { dance(imgcow, { { 0, 5, 0.4 }, { 0, -5, 0.4 }, { -5, 0, 0.3 }, { 5, 0 } }); }
void frmend::timepig2_Timer() { dance(imgpig2, { { 0, -5, 0.4 }, { 5, 0, 0.4 }, { -5, 0 }, { 0, 5 } }); }

// Said once, three and a half seconds apart.
void frmend::Timer1_Timer()
{
    Label2.set_caption("You Are a Grawn Master!");
    Pause(3.5);
    Label2.set_caption("Look out for Grawn 3: The Last Stampede!");
    Pause(3.5);
    Label2.set_caption("Coming to a farm near you next Summer!");
    Timer1.disable();
}

// The dancers take their last figure home on the hidden screen; the hand-over happens once only,
// so its timer goes off with the dancers'.
void frmend::Timer2_Timer()
{
    timesheep.disable();
    timecow.disable();
    timepig1.disable();
    timepig2.disable();
    Timer2.disable();
    hand_over("\\W1L5.mid", "frmcredits2");
}

}
