// The back end of headless runs: no display, a virtual clock, and a script as the player.
#pragma once

#include "platform/backend.hpp"
#include "platform/clock.hpp"
#include "platform/headless/command_source.hpp"
#include "platform/headless/script.hpp"
#include "platform/headless/script_targets.hpp"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace platform {

class Control;


class HeadlessBackend final : public Backend {
public:
    HeadlessBackend(VirtualClock& clock, std::unique_ptr<CommandSource> commands);
    HeadlessBackend(VirtualClock& clock, Script script);

    void set_screenshot(ScreenshotFn screenshot) { m_screenshot = std::move(screenshot); }

    // Runs the next script command when the game is idle, otherwise moves the clock on to the
    // next thing due: a timer, the end of a pause, or the end of the script's `wait`.
    void wait(Runtime& runtime, std::optional<Micros> deadline) override;
    WindowPlace place_window(Form& form) override;

    // The virtual desktop headless windows are centred on, in pixels.
    static constexpr int desktop_width = 1024;
    static constexpr int desktop_height = 768;

private:
    void execute(Runtime& runtime, ScriptCommand const& command);
    void post_click(Runtime& runtime, ScriptCommand const& command, Verb verb);

    VirtualClock& m_clock;
    std::unique_ptr<CommandSource> m_commands;
    std::optional<Micros> m_wait_until;
    std::optional<ScriptCommand> m_condition; // a running `waitfor` or `waitbox`
    ScreenshotFn m_screenshot;
};

}
