// A software renderer on an off-screen surface, drawing with the windows' own painter.
#include "platform/sdl/screenshot.hpp"

#include "platform/form.hpp"
#include "platform/sdl/font_library.hpp"
#include "platform/sdl/form_painter.hpp"
#include "platform/sdl/sdl_handles.hpp"

#include <SDL_image.h>

#include <algorithm>
#include <memory>

namespace platform {

namespace {

struct ScreenshotState {
    sdl::FontLibrary fonts;
};

}

ScreenshotFn make_screenshot_renderer(int scale)
{
    scale = std::clamp(scale, 1, 4);
    // Drawing on a surface needs no video driver; should anything in this process start SDL's
    // video later, it must not go looking for a display.
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    auto state = std::make_shared<ScreenshotState>();
    return [state, scale](Form& form, std::string const& path) -> std::string {
        int const width = form.client_width() * scale;
        int const height = form.client_height() * scale;
        if (width <= 0 || height <= 0)
            return "the form has no area to draw";
        // The same pixel format as a window's surface, so blending gives the same colours.
        sdl::SurfacePtr surface(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGB888));
        if (!surface)
            return SDL_GetError();
        sdl::RendererPtr renderer(SDL_CreateSoftwareRenderer(surface.get()));
        if (!renderer)
            return SDL_GetError();
        {
            sdl::FormPainter painter(renderer.get(), state->fonts, surface.get());
            painter.paint(form, { scale, 0, 0 });
            SDL_RenderPresent(renderer.get());
        }
        renderer.reset();
        if (IMG_SavePNG(surface.get(), path.c_str()) != 0)
            return "cannot write " + path + ": " + IMG_GetError();
        return {};
    };
}

}
