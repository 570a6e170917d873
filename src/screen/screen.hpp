// The base of every screen: the sound routines, pauses, boxes and the frame a level follows.
#pragma once

#include "platform/control_array.hpp"
#include "platform/dialog.hpp"
#include "platform/form.hpp"
#include "platform/media.hpp"
#include "platform/runtime.hpp"
#include "platform/timer.hpp"

#include <string>
#include <string_view>

namespace screen {

using namespace platform;

// The counters that travel from screen to screen. They live on the title screen, which stays
// loaded, hidden, for the whole run.
struct Progress {
    Timer& bonusbags; // bonus games won; 20 and more marks a cheated run
    Timer& bigtime; // seconds of play
};

class Screen : public Form {
public:
    Screen(Runtime& runtime, std::string name, FormStyle style);

protected:
    // Sound and music, as the game names its files ("\gundead.wav").
    void PlaySound(std::string_view file, SoundMode mode = SoundMode::async);
    void PlayMusic(std::string_view file);
    void StopMusic(std::string_view file);
    void PauseMusic(std::string_view file);
    // Waits while every other event of the game goes on.
    void Pause(double seconds);

    void PlayGunDead() { PlaySound("\\gundead.wav"); }
    void PlayHowl() { PlaySound("\\howl.wav"); }
    void PlayExplosion() { PlaySound("\\explosion.wav"); }
    void PlayIntroMusic() { PlaySound("\\intromusic.wav"); }
    void PlayDeath() { PlaySound("\\death.wav"); }
    void PlayGoDown() { PlaySound("\\godown.wav"); }
    void PlayShock() { PlaySound("\\shock.wav"); }
    void PlaySaucer() { PlaySound("\\saucer.wav"); }
    void PlayMagnet() { PlaySound("\\magnet.wav"); }
    void PlaySheepBaa() { PlaySound("\\sheepbaa.wav"); }
    void PlayMooo() { PlaySound("\\mooo.wav"); }
    void PlayUp() { PlaySound("\\up.wav"); }
    void PlayDown() { PlaySound("\\down.wav"); }
    void PlayLeft() { PlaySound("\\left.wav"); }
    void PlayRight() { PlaySound("\\right.wav"); }

    // A modal box; without a title of its own it shows the game's.
    void MsgBox(std::string text, MsgIcon icon = MsgIcon::none, std::string title = {});
    std::string InputBox(std::string prompt, std::string title = {}, std::string default_text = {});

    // The frame of a level: its briefing (information icon, the level's title) ...
    void briefing(std::string title, std::string text);
    // ... its hand-over when won: stop its tune, hide, show the next screen ...
    void hand_over(std::string_view tune, std::string_view next_screen);
    // ... and game over: the box, then unload, which ends the program. Only the first game over
    // of a screen opens a box; any later one (while that box is showing) does nothing.
    void game_over(std::string text, MsgIcon icon = MsgIcon::none, std::string title = {});
    bool game_over_started() const { return m_game_over_started; }

    // The screen shake: four jolts of the whole window, 25 twips up and left and back, 25 ms each
    // way, while the rest of the game runs on; the window ends where it began.
    void shake_window();

    // Shows another screen of the chain; one the game does not have ends the run with a message.
    void show_screen(std::string_view name);

    // The progress counters, kept on the title screen `intro`.
    Progress progress() const;
    // A bonus game won: one more on the bonus counter.
    void count_bonus();

private:
    bool m_game_over_started = false;
};

}
