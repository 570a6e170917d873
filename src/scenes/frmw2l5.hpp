// The World 2 intermission: a Grawn walks into the re-incarnation machine and comes out an
// S-Grawn, which howls, shakes the screen and kills the pig; then World 3 begins.
#pragma once

#include "screen/screen.hpp"

#include <initializer_list>

namespace scenes {

using namespace screen;

class frmw2l5 final : public Screen {
public:
    explicit frmw2l5(Runtime& runtime);

    void Form_Load() override;
    void Form_Unload() override;

    // Bottom to top: the field and its label, then the actors. The machine lies above the Grawn so
    // that the Grawn disappears into its doorway as it walks in.
    Label Label1 { *this, "Label1", { 0, 0, 137, 25 }, { .font = { .size = 14, .weight = FontWeight::bold } }, "Intermission 2" };
    Shape Shape1 { *this, "Shape1", { 0, 32, 513, 225 }, { .fill_style = FillStyle::solid, .fill = { 0, 128, 0 }, .border_width = 0 } };
    Sprite imgpig { *this, "imgpig", { -50, 184, 35, 35 } };
    Sprite imggrawn { *this, "imggrawn", { 88, 184, 35, 34 } };
    Sprite imgmachine { *this, "imgmachine", { 208, 104, 250, 125 } };

    // Picture stores: the machine's frames, at rest first and with the Grawn's face in a lamp last.
    Sprite imgmf1 { *this, "imgmf1", { 144, -16, 250, 125 }, Visibility::hidden };
    Sprite imgmf2 { *this, "imgmf2", { 144, -16, 250, 125 }, Visibility::hidden };
    Sprite imgmf3 { *this, "imgmf3", { 144, -16, 250, 125 }, Visibility::hidden };
    Sprite imgmf4 { *this, "imgmf4", { 144, -8, 250, 125 }, Visibility::hidden };
    Sprite imgmf5 { *this, "imgmf5", { 144, -8, 250, 125 }, Visibility::hidden };
    Sprite imgmf6 { *this, "imgmf6", { 144, 0, 250, 125 }, Visibility::hidden };
    Sprite imgmf7 { *this, "imgmf7", { 144, 0, 250, 125 }, Visibility::hidden };
    Sprite imgmf8 { *this, "imgmf8", { 144, 8, 250, 125 }, Visibility::hidden };
    // ... the Grawn turning into the S-Grawn, and the blood splat the pig becomes.
    Sprite imggf1 { *this, "imggf1", { 8, 40, 35, 34 }, Visibility::hidden };
    Sprite imggf2 { *this, "imggf2", { 48, 40, 35, 34 }, Visibility::hidden };
    Sprite imggf3 { *this, "imggf3", { 88, 40, 35, 34 }, Visibility::hidden };
    Sprite imggf4 { *this, "imggf4", { 120, 40, 35, 34 }, Visibility::hidden };
    Sprite imggf5 { *this, "imggf5", { 152, 40, 35, 34 }, Visibility::hidden };
    Sprite imgbf1 { *this, "imgbf1", { 192, 40, 35, 35 }, Visibility::hidden };

    Timer timepig1 { *this, "timepig1", 25, Switch::on };
    Timer timegrawn11 { *this, "timegrawn11", 25, Switch::off };
    Timer timegrawn12 { *this, "timegrawn12", 3000, Switch::off };
    Timer shake { *this, "shake", 25, Switch::off };

private:
    // Shows one picture after another on `sprite`, waiting `seconds` after each.
    void flick(Sprite& sprite, std::initializer_list<Sprite const*> stores, double seconds);

    void timepig1_Timer();
    void timegrawn11_Timer();
    void timegrawn12_Timer();
    void shake_Timer();
};

}
