// The real game for script tests, optionally with stand-in screens a test provides.
#pragma once

#include "platform/headless/headless_run.hpp"
#include "platform/runtime.hpp"

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace testing_support {

using ScreenMaker = std::function<std::unique_ptr<platform::Form>(platform::Runtime&)>;

// The game as `grawn2 --headless` runs it (the title screen shown at time 0); `stand_ins`
// replace or add screens by name.
platform::HeadlessGame game(std::map<std::string, ScreenMaker> stand_ins = {});

// A screen that only stands in for one of the chain's, under its name: it loads and shows, and
// does nothing else.
ScreenMaker stand_in(std::string name);

}
