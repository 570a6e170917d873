// Rasterising drawings with cairo into cached per-scale pixel buffers.
#include "platform/picture.hpp"

#include <cstring>

namespace platform {

Raster rasterize(Drawing const& drawing, int scale)
{
    Raster raster;
    raster.width = drawing.width * scale;
    raster.height = drawing.height * scale;
    raster.pixels.assign(static_cast<std::size_t>(raster.width) * raster.height, 0);
    if (raster.width <= 0 || raster.height <= 0 || !drawing.paint)
        return raster;

    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, raster.width, raster.height);
    cairo_t* cr = cairo_create(surface);
    cairo_scale(cr, scale, scale);
    drawing.paint(cr);
    cairo_destroy(cr);
    cairo_surface_flush(surface);

    int const stride = cairo_image_surface_get_stride(surface);
    unsigned char const* data = cairo_image_surface_get_data(surface);
    for (int y = 0; y < raster.height; ++y)
        std::memcpy(&raster.pixels[static_cast<std::size_t>(y) * raster.width], data + static_cast<std::ptrdiff_t>(y) * stride,
            static_cast<std::size_t>(raster.width) * 4);
    cairo_surface_destroy(surface);
    return raster;
}

Picture::Picture(std::string name, Drawing drawing)
    : m_name(std::move(name))
    , m_drawing(std::move(drawing))
{
}

Raster const& Picture::raster(int scale) const
{
    std::lock_guard lock(m_mutex);
    auto& slot = m_rasters[scale];
    if (!slot)
        slot = std::make_unique<Raster>(rasterize(m_drawing, scale));
    return *slot;
}

PicturePtr make_picture(std::string name, Drawing drawing)
{
    return std::make_shared<Picture const>(std::move(name), std::move(drawing));
}

}
