// World 1, Level 4, "Firefighters": a bonus game in which thirteen pigs sink together towards a
// row of flames and the player saves each one with the right button before they reach it.
#pragma once

#include "screen/screen.hpp"

#include <array>

namespace levels {

using namespace screen;

class frmw1l4 final : public Screen {
public:
    explicit frmw1l4(Runtime& runtime);

    void Form_Load() override;
    void Form_Unload() override;

    Sprite imgpig1 { *this, "imgpig1", { 0, 0, 35, 35 } };
    Sprite imgpig2 { *this, "imgpig2", { 32, 0, 35, 35 } };
    Sprite imgpig3 { *this, "imgpig3", { 64, 0, 35, 35 } };
    Sprite imgpig4 { *this, "imgpig4", { 96, 0, 35, 35 } };
    Sprite imgpig5 { *this, "imgpig5", { 128, 0, 35, 35 } };
    Sprite imgpig6 { *this, "imgpig6", { 160, 0, 35, 35 } };
    Sprite imgpig7 { *this, "imgpig7", { 192, 0, 35, 35 } };
    Sprite imgpig8 { *this, "imgpig8", { 224, 0, 35, 35 } };
    Sprite imgpig9 { *this, "imgpig9", { 256, 0, 35, 35 } };
    Sprite imgpig10 { *this, "imgpig10", { 288, 0, 35, 35 } };
    Sprite imgpig11 { *this, "imgpig11", { 320, 0, 35, 35 } };
    Sprite imgpig12 { *this, "imgpig12", { 352, 0, 35, 35 } };
    Sprite imgpig13 { *this, "imgpig13", { 384, 0, 35, 35 } };
    // Only fire(0)'s Top is read: it is the height of the fire line.
    ControlArray<Sprite> fire { *this, "fire", 15, [](int i) { return Rect { 32.0 * i, 264, 35, 35 }; } };

    // Runs from the moment the screen is made: the pigs sink behind the briefing.
    Timer timepig { *this, "timepig", 25, Switch::on };

private:
    // Every way the level ends moves on to the intermission, once.
    enum class Outcome { playing, won, lost };

    std::array<Sprite*, 13> pigs();
    void save_or_shoot(Sprite& pig, int button);
    void lose(std::string text);
    void win();
    void move_on();

    void timepig_Timer();
    void imgpig1_MouseDown(int button);
    void imgpig2_MouseDown(int button);
    void imgpig3_MouseDown(int button);
    void imgpig4_MouseDown(int button);
    void imgpig5_MouseDown(int button);
    void imgpig6_MouseDown(int button);
    void imgpig7_MouseDown(int button);
    void imgpig8_MouseDown(int button);
    void imgpig9_MouseDown(int button);
    void imgpig10_MouseDown(int button);
    void imgpig11_MouseDown(int button);
    void imgpig12_MouseDown(int button);
    void imgpig13_MouseDown(int button);

    Outcome m_outcome = Outcome::playing;
};

}
