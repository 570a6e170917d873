// A software renderer on an off-screen surface, drawing with the windows' own painter.
#include "platform/sdl/screenshot.hpp"

#include "platform/form.hpp"
#include "platform/sdl/font_library.hpp"
#include "platform/sdl/form_painter.hpp"
#include "platform/sdl/sdl_handles.hpp"
#include "platform/whole_file.hpp"

#include <SDL_image.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

namespace {

struct ScreenshotState {
    sdl::FontLibrary fonts;
};

// More than a PNG of the picture can take even when nothing compresses: the raw rows with their
// filter bytes, and room for the deflate blocks, chunks and header.
std::size_t png_size_bound(int width, int height)
{
    std::size_t const raw = static_cast<std::size_t>(height) * (1 + static_cast<std::size_t>(width) * 4);
    return raw + raw / 50 + 4096;
}

}

ScreenshotFn make_screenshot_renderer(int scale)
{
    scale = std::clamp(scale, 1, 4);
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
        // Encoded in memory and written by a checked write, so that a full disk or a device
        // that takes nothing is reported, not taken for success.
        std::vector<std::uint8_t> png(png_size_bound(width, height));
        SDL_RWops* memory = SDL_RWFromMem(png.data(), static_cast<int>(png.size()));
        if (!memory || IMG_SavePNG_RW(surface.get(), memory, 0) != 0) {
            if (memory)
                SDL_RWclose(memory);
            return std::string("cannot encode the picture: ") + IMG_GetError();
        }
        png.resize(static_cast<std::size_t>(SDL_RWtell(memory)));
        SDL_RWclose(memory);
        return write_whole_file(path, png);
    };
}

}
