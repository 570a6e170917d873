// Every screen of the game, shown on its own as a tester would with `show`: it loads, runs for a
// while with its boxes answered, renders, and closes cleanly.
#include "platform/sdl/screenshot.hpp"
#include "shell/screens.hpp"
#include "support/game_run.hpp"
#include "support/script_run.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>
#include <string>

TEST(EveryScreen, LoadsRunsRendersAndClosesOnItsOwn)
{
    auto const folder = std::filesystem::temp_directory_path() / ("grawn2-every-screen-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    for (auto const& name : shell::screen_names()) {
        if (name == "intro")
            continue;
        // Boxes are answered as they come; a screen that moves on or ends meanwhile is fine.
        std::string script = "show " + name + "\n";
        for (int i = 0; i < 4; ++i)
            script += "wait 0.5\nok\n";
        auto const picture = (folder / (name + ".png")).string();
        auto result = testing_support::run(script + "wait 2\n", testing_support::game());
        EXPECT_EQ(result.exit_code, 0) << name << "\n" << result.errors << result.transcript;
        EXPECT_TRUE(result.has("0 load " + name)) << name << "\n" << result.transcript;

        auto rendering = testing_support::game();
        rendering.screenshot = platform::make_screenshot_renderer(1);
        auto shot = testing_support::run("show " + name + "\nscreenshot " + name + " " + picture + "\nclose " + name + "\n", rendering);
        EXPECT_EQ(shot.exit_code, 0) << name << "\n" << shot.errors;
        EXPECT_TRUE(std::filesystem::exists(picture) && std::filesystem::file_size(picture) > 1000) << name;
    }
    std::filesystem::remove_all(folder);
}
