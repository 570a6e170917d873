// World 1, Level 3: the machine's patrol and drops, the sinking animals, hits and the wreck.
#include "levels/rescue/frmw1l3.hpp"

#include "art/effects.hpp"
#include "art/farm_animals.hpp"
#include "art/machine.hpp"
#include "levels/rescue/rescue.hpp"

namespace levels {

namespace {

constexpr double patrol_step = 25;
constexpr double sink_step = 6;
// An animal is lost once its top edge is 8 pixels into the flames.
constexpr double lost_top = 320;
constexpr int hits_to_wreck = 30;
constexpr int arrivals_per_drop = 2;

void count_up(Timer& counter) { counter.set_interval(counter.interval() + 1); }

}

frmw1l3::frmw1l3(Runtime& runtime)
    : Screen(runtime, "frmw1l3", { .caption = "Grawn 2", .width = 385, .height = 347, .back = { 192, 0, 0 } })
{
    auto const flame = make_picture("fire(0)", art::flame());
    for (auto& f : fire)
        f->set_picture(flame);
    imgbf1.set_picture(make_picture("imgbf1", art::machine(art::MachineLook::whole)));
    imgbf2.set_picture(make_picture("imgbf2", art::machine(art::MachineLook::flashing)));
    imgbf3.set_picture(make_picture("imgbf3", art::machine_wreck()));
    imgboss.set_picture(imgbf1.picture());
    imgpig1.set_picture(make_picture("imgpig1", art::pig(art::Facing::right)));
    imgsheep1.set_picture(make_picture("imgsheep1", art::sheep(art::Facing::right)));
    imgcow1.set_picture(make_picture("imgcow1", art::cow(art::Facing::left)));

    imgboss.on_mouse_down = [this](MouseEvent const& e) { imgboss_MouseDown(e.button); };
    imgpig1.on_mouse_down = [this](MouseEvent const& e) { imgpig1_MouseDown(e.button); };
    imgsheep1.on_mouse_down = [this](MouseEvent const& e) { imgsheep1_MouseDown(e.button); };
    imgcow1.on_mouse_down = [this](MouseEvent const& e) { imgcow1_MouseDown(e.button); };
    timeboss1.on_tick = [this] { timeboss1_Timer(); };
    timeboss2.on_tick = [this] { timeboss2_Timer(); };
    bossr.on_tick = [this] { bossr_Timer(); };
    bossd.on_tick = [this] { bossd_Timer(); };
    timepig1.on_tick = [this] { timepig1_Timer(); };
    timesheep1.on_tick = [this] { timesheep1_Timer(); };
    timecow1.on_tick = [this] { timecow1_Timer(); };
}

void frmw1l3::Form_Load()
{
    briefing("World 1, Level 3: The Piggie Poker",
        "The Machine that is pulling the Farm Animals down here is within range.  Destroy it by shooting it several times.  Watch out, if a farm animal is pulled into the spike, it's all over.  Kill the boss, save the animals.");
    PlayMusic("\\W1L3.mid");
    // Nothing moves while the briefing is open.
    timeboss1.enable();
}

void frmw1l3::Form_Unload() { StopMusic("\\W1L3.mid"); }

void frmw1l3::timeboss1_Timer()
{
    if (walk(imgboss, { Axis::x, patrol_step, Until::at_least, scale_width() - imgboss.width() }, timeboss1, &timeboss2))
        count_up(yadda);
    if (yadda.interval() != arrivals_per_drop)
        return;
    // The drop: the machine vanishes and the animals appear at the top, sinking.
    yadda.set_interval(0);
    timeboss1.disable();
    timeboss2.disable();
    imgboss.hide();
    imgpig1.show();
    imgcow1.show();
    imgsheep1.show();
    timepig1.enable();
    timecow1.enable();
    timesheep1.enable();
}

// Arrivals at the left edge are not counted.
void frmw1l3::timeboss2_Timer() { walk(imgboss, { Axis::x, -patrol_step, Until::at_most, 0 }, timeboss2, &timeboss1); }

void frmw1l3::sink_tick(Sprite& animal, std::string const& lost_text)
{
    if (fall(animal, sink_step, lost_top + animal.height()))
        game_over(lost_text);
}

void frmw1l3::timepig1_Timer() { sink_tick(imgpig1, "Oh no!  A pig died!  Game over!  Please play again!"); }
void frmw1l3::timesheep1_Timer() { sink_tick(imgsheep1, "Oh no!  A sheep died!  Game over!  Please play again!"); }
void frmw1l3::timecow1_Timer() { sink_tick(imgcow1, "Oh no!  A cow died!  Game over!  Please play again!"); }

void frmw1l3::click_animal(Sprite& animal, Timer& sink, std::string const& shot_text, int button)
{
    if (button == right_button) {
        save(animal, { &sink });
        // Back at the top, so the next drop starts there.
        animal.set_top(0);
    }
    if (!imgpig1.visible() && !imgsheep1.visible() && !imgcow1.visible()) {
        // The machine comes back where it vanished, heading left.
        imgboss.show();
        timeboss2.enable();
    }
    if (button == left_button)
        game_over(shot_text);
}

void frmw1l3::imgpig1_MouseDown(int button)
{
    click_animal(imgpig1, timepig1, "Oh no!  You shot a pig!  You evil, evil little man (or woman)!  Game Over!  Please play again!", button);
}

void frmw1l3::imgsheep1_MouseDown(int button)
{
    click_animal(imgsheep1, timesheep1, "Oh no!  You shot a sheep!  You evil, evil little man (or woman)!  Game Over!  Please play again!", button);
}

void frmw1l3::imgcow1_MouseDown(int button)
{
    click_animal(imgcow1, timecow1, "Oh no!  You shot a cow!  You evil, evil little man (or woman)!  Game Over!  Please play again!", button);
}

void frmw1l3::imgboss_MouseDown(int button)
{
    if (button == left_button) {
        imgboss.set_picture(imgbf2.picture());
        bossr.enable();
        count_up(bosshp);
    }
    if (bosshp.interval() < hits_to_wreck)
        return;
    // Wrecked: the explosion stays on screen for a second before the next screen.
    bossr.disable();
    imgboss.set_picture(imgbf3.picture());
    bossd.enable();
    timeboss1.disable();
    timeboss2.disable();
}

void frmw1l3::bossr_Timer()
{
    imgboss.set_picture(imgbf1.picture());
    bossr.disable();
}

void frmw1l3::bossd_Timer()
{
    if (game_over_started())
        return;
    hand_over("\\W1L3.mid", "frmw1l4");
    bossd.disable();
}

}
