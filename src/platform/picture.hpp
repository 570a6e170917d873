// Immutable pictures: a named drawing, rasterised on demand at each window scale and cached.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace platform {

// Paints into a cairo context whose user space is the picture's own size in pixels, whatever
// the scale it is rasterised at; the background starts fully transparent.
using Painter = std::function<void(cairo_t*)>;

// What the artwork provides: a size in pixels and the code that paints it.
struct Drawing {
    int width = 0;
    int height = 0;
    Painter paint;
};

// Pixels as cairo makes them: ARGB32, premultiplied alpha, one uint32 per pixel, row after row.
struct Raster {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

class Picture {
public:
    Picture(std::string name, Drawing drawing);

    std::string const& name() const { return m_name; }
    int width() const { return m_drawing.width; }
    int height() const { return m_drawing.height; }

    // The picture drawn at `scale` times its size; made once per scale.
    Raster const& raster(int scale) const;

private:
    std::string m_name;
    Drawing m_drawing;
    mutable std::mutex m_mutex;
    mutable std::map<int, std::unique_ptr<Raster>> m_rasters;
};

// Sprites share pictures; "shows the same picture" is pointer identity.
using PicturePtr = std::shared_ptr<Picture const>;

PicturePtr make_picture(std::string name, Drawing drawing);

// Rasterises a drawing once, outside any picture (art sheets, tests).
Raster rasterize(Drawing const& drawing, int scale);

}
