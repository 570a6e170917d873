// Lays out the catalogue on a sheet and writes it as a PNG.
#include "art/art_sheet.hpp"

#include "art/catalogue.hpp"

#include <cairo.h>

#include <algorithm>
#include <array>
#include <vector>

namespace art {
namespace {

constexpr int margin = 16;
constexpr int gap = 14;
constexpr int label_height = 16;
constexpr int max_row_width = 1500;
constexpr int checker_square = 5;
// Sprites up to this size are also shown on each of the screens' background colours.
constexpr int swatch_limit = 50;
constexpr int swatch_padding = 3;

struct Background {
    double red;
    double green;
    double blue;
};

// The background colours of the screens the sprites walk on.
constexpr std::array<Background, 7> screen_colours{{
    {128 / 255.0, 0, 0},
    {192 / 255.0, 0, 0},
    {0, 128 / 255.0, 0},
    {0, 1, 0},
    {64 / 255.0, 64 / 255.0, 64 / 255.0},
    {145 / 255.0, 145 / 255.0, 145 / 255.0},
    {0, 1, 1},
}};

constexpr int swatches_per_row = (static_cast<int>(screen_colours.size()) + 1) / 2;

struct Cell {
    CatalogueEntry entry;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool with_swatches = false;
};

int swatch_width(platform::Drawing const& drawing)
{
    return drawing.width + 2 * swatch_padding;
}

Cell measure(CatalogueEntry entry)
{
    Cell cell;
    int const w = entry.drawing.width;
    int const h = entry.drawing.height;
    cell.with_swatches = std::max(w, h) <= swatch_limit;
    cell.width = std::max(w + gap / 2 + 2 * w, 120);
    cell.height = label_height + 2 * h;
    if (cell.with_swatches) {
        cell.width = std::max(cell.width, w + gap / 2 + 2 * w + gap / 2 + swatches_per_row * (swatch_width(entry.drawing) + 2));
        cell.height = std::max(cell.height, label_height + 2 * (h + 2 * swatch_padding + 2));
    }
    cell.entry = std::move(entry);
    return cell;
}

void paint_checkerboard(cairo_t* cr, int x, int y, int width, int height)
{
    cairo_save(cr);
    cairo_rectangle(cr, x, y, width, height);
    cairo_clip(cr);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_set_source_rgb(cr, 0.8, 0.8, 0.8);
    for (int row = 0; row * checker_square < height; ++row)
        for (int column = row % 2; column * checker_square < width; column += 2)
            cairo_rectangle(cr, x + column * checker_square, y + row * checker_square, checker_square, checker_square);
    cairo_fill(cr);
    cairo_restore(cr);
}

// Paints a raster's own pixels, unscaled, with its top left at (x, y).
void paint_raster(cairo_t* cr, platform::Raster raster, int x, int y)
{
    if (raster.width <= 0 || raster.height <= 0)
        return;
    cairo_surface_t* image = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(raster.pixels.data()),
        CAIRO_FORMAT_ARGB32, raster.width, raster.height, raster.width * 4);
    cairo_set_source_surface(cr, image, x, y);
    cairo_paint(cr);
    cairo_surface_destroy(image);
}

void paint_cell(cairo_t* cr, Cell const& cell)
{
    platform::Drawing const& drawing = cell.entry.drawing;
    cairo_set_source_rgb(cr, 0.1, 0.1, 0.1);
    cairo_move_to(cr, cell.x, cell.y + label_height - 5);
    cairo_show_text(cr, cell.entry.name.c_str());

    int const top = cell.y + label_height;
    int const w = drawing.width;
    int const h = drawing.height;
    paint_checkerboard(cr, cell.x, top, w, h);
    paint_raster(cr, platform::rasterize(drawing, 1), cell.x, top);
    int const double_x = cell.x + w + gap / 2;
    paint_checkerboard(cr, double_x, top, 2 * w, 2 * h);
    paint_raster(cr, platform::rasterize(drawing, 2), double_x, top);

    if (!cell.with_swatches)
        return;
    // Two rows of swatches beside the 2x picture: the sprite on each screen colour.
    platform::Raster const once = platform::rasterize(drawing, 1);
    int const swatch_x = double_x + 2 * w + gap / 2;
    for (std::size_t i = 0; i < screen_colours.size(); ++i) {
        int const column = static_cast<int>(i) % swatches_per_row;
        int const row = static_cast<int>(i) / swatches_per_row;
        int const x = swatch_x + column * (swatch_width(drawing) + 2);
        int const y = top + row * (h + 2 * swatch_padding + 2);
        Background const& colour = screen_colours[i];
        cairo_set_source_rgb(cr, colour.red, colour.green, colour.blue);
        cairo_rectangle(cr, x, y, swatch_width(drawing), h + 2 * swatch_padding);
        cairo_fill(cr);
        paint_raster(cr, once, x + swatch_padding, y + swatch_padding);
    }
}

}

bool write_art_sheet(std::string const& png_path)
{
    // Flow layout: cells left to right, a new row when the next one would pass the row width.
    std::vector<Cell> cells;
    int x = margin;
    int y = margin;
    int row_height = 0;
    int sheet_width = 0;
    for (CatalogueEntry& entry : catalogue()) {
        Cell cell = measure(std::move(entry));
        if (x > margin && x + cell.width > max_row_width) {
            x = margin;
            y += row_height + gap;
            row_height = 0;
        }
        cell.x = x;
        cell.y = y;
        x += cell.width + gap;
        row_height = std::max(row_height, cell.height);
        sheet_width = std::max(sheet_width, cell.x + cell.width + margin);
        cells.push_back(std::move(cell));
    }
    int const sheet_height = y + row_height + margin;

    cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, std::max(sheet_width, 1), sheet_height);
    cairo_t* cr = cairo_create(sheet);
    cairo_set_source_rgb(cr, 0.93, 0.93, 0.9);
    cairo_paint(cr);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 11);
    for (Cell const& cell : cells)
        paint_cell(cr, cell);
    cairo_destroy(cr);
    cairo_status_t const status = cairo_surface_write_to_png(sheet, png_path.c_str());
    cairo_surface_destroy(sheet);
    return status == CAIRO_STATUS_SUCCESS;
}

}
