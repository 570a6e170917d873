// Build-time writer of the desktop icons: the game's icon as PNG files in the hicolor theme's
// layout, FOLDER/NxN/apps/ID.png.
#include "art/icon.hpp"

#include <cairo.h>

#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>

namespace {

bool write_png(platform::Raster const& raster, std::filesystem::path const& path)
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, raster.width, raster.height);
    cairo_surface_flush(surface);
    auto* data = cairo_image_surface_get_data(surface);
    int const stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < raster.height; ++y)
        std::memcpy(data + static_cast<std::ptrdiff_t>(y) * stride, &raster.pixels[static_cast<std::size_t>(y) * raster.width],
            static_cast<std::size_t>(raster.width) * 4);
    cairo_surface_mark_dirty(surface);
    bool const written = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return written;
}

}

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: make_icons FOLDER APP-ID\n";
        return 64;
    }
    std::filesystem::path const folder = argv[1];
    for (int size : { 16, 32, 48, 64, 128, 256 }) {
        auto const dir = folder / (std::to_string(size) + "x" + std::to_string(size)) / "apps";
        std::error_code error;
        std::filesystem::create_directories(dir, error);
        auto const file = dir / (std::string(argv[2]) + ".png");
        if (error || !write_png(platform::rasterize(art::game_icon(size), 1), file)) {
            std::cerr << "make_icons: cannot write " << file << "\n";
            return 1;
        }
    }
    return 0;
}
