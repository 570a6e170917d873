// Building the headless game for script tests.
#include "support/game_run.hpp"

#include "screen/screen.hpp"
#include "shell/screens.hpp"

namespace testing_support {

platform::HeadlessGame game(std::map<std::string, ScreenMaker> stand_ins)
{
    platform::HeadlessGame result;
    result.install = [stand_ins](platform::Runtime& runtime) {
        shell::install_screens(runtime);
        auto names = shell::screen_names();
        for (auto const& [name, maker] : stand_ins)
            names.push_back(name);
        runtime.set_form_factory(
            [stand_ins](platform::Runtime& rt, std::string_view name) -> std::unique_ptr<platform::Form> {
                if (auto found = stand_ins.find(std::string(name)); found != stand_ins.end())
                    return found->second(rt);
                return shell::make_screen(rt, name);
            },
            names);
    };
    result.start = [](platform::Runtime& runtime) { runtime.show_form("intro"); };
    result.program_folder = GRAWN2_PROGRAM_DIR;
    return result;
}

ScreenMaker stand_in(std::string name)
{
    return [name](platform::Runtime& runtime) {
        return std::make_unique<screen::Screen>(runtime, name, platform::FormStyle { .caption = "Grawn 2", .width = 400, .height = 300 });
    };
}

}
