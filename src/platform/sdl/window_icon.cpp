// Undoing cairo's premultiplied alpha, so that the icon's soft edges keep their colour.
#include "platform/sdl/window_icon.hpp"

#include <algorithm>
#include <cstdint>

namespace platform::sdl {

SurfacePtr make_window_icon(Raster const& icon)
{
    if (icon.width <= 0 || icon.height <= 0 || icon.pixels.size() != static_cast<std::size_t>(icon.width) * icon.height)
        return nullptr;
    SurfacePtr surface(SDL_CreateRGBSurfaceWithFormat(0, icon.width, icon.height, 32, SDL_PIXELFORMAT_ARGB8888));
    if (!surface)
        return nullptr;
    for (int y = 0; y < icon.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(surface->pixels) + static_cast<std::ptrdiff_t>(y) * surface->pitch);
        for (int x = 0; x < icon.width; ++x) {
            std::uint32_t const pixel = icon.pixels[static_cast<std::size_t>(y) * icon.width + x];
            std::uint32_t const alpha = pixel >> 24;
            auto const plain = [&](int shift) {
                std::uint32_t const channel = (pixel >> shift) & 0xFF;
                return alpha == 0 ? 0u : std::min<std::uint32_t>(255, (channel * 255 + alpha / 2) / alpha) << shift;
            };
            row[x] = alpha << 24 | plain(16) | plain(8) | plain(0);
        }
    }
    return surface;
}

}
