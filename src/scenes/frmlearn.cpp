// The tutorial's lessons, its practice pig and the way out into World 1.
#include "scenes/frmlearn.hpp"

#include "art/farm_animals.hpp"

namespace scenes {

frmlearn::frmlearn(Runtime& runtime)
    : Screen(runtime, "frmlearn", { .caption = "Learn Grawn 2!", .width = 376, .height = 316 })
{
    imgpig1.set_picture(make_picture("imgpig1", art::pig(art::Facing::left)));

    Timer1.on_tick = [this] { Timer1_Timer(); };
    timepig1.on_tick = [this] { timepig1_Timer(); };
    imgpig1.on_mouse_down = [this](MouseEvent const& e) { imgpig1_MouseDown(e.button); };
    Label3.on_click = [this] { Label3_Click(); };
}

void frmlearn::Timer1_Timer()
{
    imgpig1.show();
    timepig1.enable();
    Label2.set_caption("The most important aspect of Grawn 2 is to save all of the 'hostages'.  These are the farm animals.  Use your right mouse button to do this (it's tricky when they're moving... but practice makes perfect).  However, DO NOT use your left mouse button on the farm animals, or you will shoot them with your gun.  If you do that, you'll get a game over!");
    Timer1.disable();
}

void frmlearn::timepig1_Timer()
{
    imgpig1.set_left(imgpig1.left() - 10);
    if (imgpig1.left() + imgpig1.width() <= 0)
        imgpig1.set_left(scale_width());
}

void frmlearn::imgpig1_MouseDown(int button)
{
    if (button == left_button) {
        MsgBox("Doh!  Don't shoot the pigs!");
    } else if (button == right_button) {
        Label2.set_caption("Now, you'll want to take out the the grawns.  The Grawns want to eat the farm animals, therefore they are evil.  And since they are evil, there is only one thing to do... shoot them!  You your left mouse button to fire at them.");
        imgpig1.hide();
        timepig1.disable();
    }
}

void frmlearn::Label3_Click()
{
    // Nothing of the lesson goes on behind World 1: the pig never shows up on the hidden screen.
    Timer1.disable();
    timepig1.disable();
    hide();
    show_screen("frmw1l1");
}

}
