// Screenshots for headless runs: a form drawn exactly as its window shows it, saved as PNG.
#pragma once

#include "platform/headless/headless_backend.hpp"

namespace platform {

// Renders with SDL's software renderer on a surface, needing no display; `scale` 1 to 4.
ScreenshotFn make_screenshot_renderer(int scale);

}
