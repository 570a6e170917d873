// How fast the headless runtime plays: 40 timers of 25 ms moving sprites for ten minutes of game
// time. Prints simulated seconds per wall-clock second (the goal is at least 20,000).
#include "platform/control_array.hpp"
#include "platform/form.hpp"
#include "platform/headless/headless_run.hpp"
#include "platform/runtime.hpp"
#include "platform/timer.hpp"

#include <chrono>
#include <iostream>
#include <sstream>

using namespace platform;

namespace {

constexpr int sprite_count = 40;

class Busy : public Form {
public:
    explicit Busy(Runtime& runtime)
        : Form(runtime, "busy", { "Busy", 477, 458, colors::black })
    {
        for (int i = 0; i < sprite_count; ++i) {
            timers(i).on_tick = [this, i] {
                Sprite& sprite = sprites(i);
                sprite.set_left(sprite.left() + 3);
                if (sprite.left() > 440)
                    sprite.set_left(0);
            };
        }
    }

    ControlArray<Sprite> sprites { *this, "sprite", sprite_count, [](int i) { return Rect { 0, 10.0 * i, 35, 35 }; } };
    ControlArray<Timer> timers { *this, "mover", sprite_count, [](int) { return 25; }, Switch::on };
};

}

int main()
{
    double const game_seconds = 600;
    HeadlessGame game;
    game.install = [](Runtime& runtime) {
        runtime.set_form_factory([](Runtime& rt, std::string_view) -> std::unique_ptr<Form> { return std::make_unique<Busy>(rt); }, { "busy" });
    };
    game.start = [](Runtime& runtime) { runtime.show_form("busy"); };

    std::ostringstream transcript;
    auto const started = std::chrono::steady_clock::now();
    int const status = run_script(parse_script("wait 600\n", "bench"), game, transcript, std::cerr);
    double const wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

    std::cout << "runtime_bench: " << sprite_count << " timers of 25 ms for " << game_seconds << " s of game time\n"
              << "wall time " << wall << " s, " << game_seconds / wall << " simulated seconds per wall second (goal >= 20000)\n";
    return status;
}
