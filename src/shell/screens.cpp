// The table of screens by name.
#include "shell/screens.hpp"

#include "levels/bonus/frmw1l4.hpp"
#include "levels/bonus/frmw2l4.hpp"
#include "levels/bonus/frmw3l4.hpp"
#include "levels/bonus/frmw3l42.hpp"
#include "levels/bonus/frmw4l5.hpp"
#include "levels/bonus/frmw5l1.hpp"
#include "levels/rescue/frmw1l1.hpp"
#include "levels/rescue/frmw1l2.hpp"
#include "levels/rescue/frmw1l3.hpp"
#include "levels/rescue/frmw2l1.hpp"
#include "levels/rescue/frmw2l2.hpp"
#include "levels/rescue/frmw2l3.hpp"
#include "levels/rescue/frmw3l1.hpp"
#include "levels/rescue/frmw3l2.hpp"
#include "levels/rescue/frmw3l3.hpp"
#include "levels/rescue/frmw4l1.hpp"
#include "levels/rescue/frmw4l2.hpp"
#include "levels/rescue/frmw4l3.hpp"
#include "scenes/frmcredits.hpp"
#include "scenes/frmcredits2.hpp"
#include "scenes/frmend.hpp"
#include "scenes/frmlearn.hpp"
#include "scenes/frmw1l5.hpp"
#include "scenes/frmw2l5.hpp"
#include "scenes/frmw3l3x.hpp"
#include "scenes/frmw3l5.hpp"
#include "scenes/frmw4l2x.hpp"
#include "scenes/frmw4l3x.hpp"
#include "scenes/frmw4l4.hpp"
#include "scenes/frmw5lx.hpp"
#include "shell/intro.hpp"

#include <functional>

namespace shell {

namespace {

using Maker = std::function<std::unique_ptr<platform::Form>(platform::Runtime&)>;

struct ScreenEntry {
    char const* name;
    Maker make;
};

template<typename T>
Maker maker()
{
    return [](platform::Runtime& runtime) { return std::make_unique<T>(runtime); };
}

std::vector<ScreenEntry> const& table()
{
    static std::vector<ScreenEntry> const screens {
        { "intro", maker<intro>() },
        { "frmw1l1", maker<levels::frmw1l1>() },
        { "frmw1l2", maker<levels::frmw1l2>() },
        { "frmw1l3", maker<levels::frmw1l3>() },
        { "frmw1l4", maker<levels::frmw1l4>() },
        { "frmw1l5", maker<scenes::frmw1l5>() },
        { "frmw2l1", maker<levels::frmw2l1>() },
        { "frmw2l2", maker<levels::frmw2l2>() },
        { "frmw2l3", maker<levels::frmw2l3>() },
        { "frmw2l4", maker<levels::frmw2l4>() },
        { "frmw2l5", maker<scenes::frmw2l5>() },
        { "frmw3l1", maker<levels::frmw3l1>() },
        { "frmw3l2", maker<levels::frmw3l2>() },
        { "frmw3l3x", maker<scenes::frmw3l3x>() },
        { "frmw3l3", maker<levels::frmw3l3>() },
        { "frmw3l42", maker<levels::frmw3l42>() },
        { "frmw3l5", maker<scenes::frmw3l5>() },
        { "frmw4l1", maker<levels::frmw4l1>() },
        { "frmw4l2x", maker<scenes::frmw4l2x>() },
        { "frmw4l2", maker<levels::frmw4l2>() },
        { "frmw4l3x", maker<scenes::frmw4l3x>() },
        { "frmw4l3", maker<levels::frmw4l3>() },
        { "frmw4l4", maker<scenes::frmw4l4>() },
        { "frmw4l5", maker<levels::frmw4l5>() },
        { "frmw5lx", maker<scenes::frmw5lx>() },
        { "frmw5l1", maker<levels::frmw5l1>() },
        { "frmend", maker<scenes::frmend>() },
        { "frmcredits2", maker<scenes::frmcredits2>() },
        { "frmlearn", maker<scenes::frmlearn>() },
        { "frmcredits", maker<scenes::frmcredits>() },
        // The skatepark: no screen leads to it, but it can be shown.
        { "frmw3l4", maker<levels::frmw3l4>() },
    };
    return screens;
}

}

std::unique_ptr<platform::Form> make_screen(platform::Runtime& runtime, std::string_view name)
{
    for (auto const& entry : table()) {
        if (name == entry.name)
            return entry.make(runtime);
    }
    return nullptr;
}

std::vector<std::string> screen_names()
{
    std::vector<std::string> names;
    for (auto const& entry : table())
        names.emplace_back(entry.name);
    return names;
}

void install_screens(platform::Runtime& runtime)
{
    runtime.set_app_title("Grawn 2");
    runtime.set_form_factory(make_screen, screen_names());
}

}
