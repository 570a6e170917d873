// A form's SDL window, drawn in software into its own surface by the painter screenshots use,
// sending only the areas that changed.
#include "platform/sdl/form_window.hpp"

#include "platform/form.hpp"
#include "platform/sdl/first_frame.hpp"
#include "platform/sdl/x11_desktop.hpp"

#include <algorithm>
#include <cmath>

namespace platform::sdl {

FormWindow::FormWindow(Form& form, FontLibrary& fonts, int scale, SDL_Point position)
    : m_form(form)
    , m_fonts(fonts)
    , m_scale(scale)
    , m_title(form.caption())
{
    m_window.reset(SDL_CreateWindow(m_title.c_str(), position.x, position.y, std::max(1, form.client_width() * scale),
        std::max(1, form.client_height() * scale), SDL_WINDOW_HIDDEN));
}

FormWindow::~FormWindow()
{
    m_painter.reset();
    m_renderer.reset();
}

bool FormWindow::attach_surface()
{
    SDL_Surface* surface = SDL_GetWindowSurface(m_window.get());
    if (!surface)
        return false;
    if (surface == m_surface && m_renderer && surface->w == m_surface_size.x && surface->h == m_surface_size.y)
        return true;
    // A new surface (after a change of size) needs a renderer of its own, and its textures.
    m_painter.reset();
    m_renderer.reset(SDL_CreateSoftwareRenderer(surface));
    if (!m_renderer) {
        m_surface = nullptr;
        return false;
    }
    m_surface = surface;
    m_surface_size = { surface->w, surface->h };
    m_painter = std::make_unique<FormPainter>(m_renderer.get(), m_fonts, surface);
    m_drawn.reset();
    return true;
}

void FormWindow::show(ScreenMode mode)
{
    SDL_ShowWindow(m_window.get());
    set_mode(mode);
    raise();
    invalidate_all();
}

void FormWindow::hide() { SDL_HideWindow(m_window.get()); }

void FormWindow::raise()
{
    SDL_RaiseWindow(m_window.get());
    SDL_SetWindowInputFocus(m_window.get());
}

void FormWindow::invalidate_all()
{
    m_drawn.reset();
    m_dirty = true;
}

void FormWindow::resized()
{
    // SDL makes a new window surface after a change of size; what was made for the old one goes.
    m_painter.reset();
    m_renderer.reset();
    m_surface = nullptr;
    invalidate_all();
}

void FormWindow::set_mode(ScreenMode mode)
{
    if (mode == m_mode)
        return;
    m_mode = mode;
    SDL_Window* window = m_window.get();
    if (x11::window_manager_running(window)) {
        SDL_SetWindowFullscreen(window, mode == ScreenMode::fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    } else if (mode == ScreenMode::fullscreen) {
        SDL_Rect frame {};
        SDL_GetWindowPosition(window, &frame.x, &frame.y);
        SDL_GetWindowSize(window, &frame.w, &frame.h);
        m_windowed_frame = frame;
        SDL_Rect display {};
        SDL_GetDisplayBounds(std::max(0, SDL_GetWindowDisplayIndex(window)), &display);
        SDL_SetWindowPosition(window, display.x, display.y);
        SDL_SetWindowSize(window, display.w, display.h);
    } else if (m_windowed_frame) {
        SDL_SetWindowSize(window, m_windowed_frame->w, m_windowed_frame->h);
        SDL_SetWindowPosition(window, m_windowed_frame->x, m_windowed_frame->y);
        m_windowed_frame.reset();
    }
    resized();
}

void FormWindow::move_to(SDL_Point position)
{
    int x = 0;
    int y = 0;
    SDL_GetWindowPosition(m_window.get(), &x, &y);
    if (x != position.x || y != position.y)
        SDL_SetWindowPosition(m_window.get(), position.x, position.y);
}

void FormWindow::set_picture_offset(SDL_Point offset)
{
    if (offset.x == m_offset.x && offset.y == m_offset.y)
        return;
    m_offset = offset;
    invalidate_all();
}

Placement FormWindow::placement() const
{
    int const form_width = std::max(1, m_form.client_width());
    int const form_height = std::max(1, m_form.client_height());
    int width = form_width * m_scale;
    int height = form_height * m_scale;
    if (m_window)
        SDL_GetWindowSize(m_window.get(), &width, &height);
    int scale = m_scale;
    if (m_mode == ScreenMode::fullscreen)
        scale = std::max(1, std::min(width / form_width, height / form_height));
    return { scale, (width - form_width * scale) / 2 + m_offset.x * scale, (height - form_height * scale) / 2 + m_offset.y * scale };
}

void FormWindow::draw(Control const* pressed)
{
    m_dirty = false;
    if (!m_window || !attach_surface())
        return;
    if (m_form.caption() != m_title) {
        m_title = m_form.caption();
        SDL_SetWindowTitle(m_window.get(), m_title.c_str());
    }
    auto const where = placement();
    DrawnForm now = survey(m_form, where, pressed);
    std::optional<Rects> areas;
    if (m_drawn)
        areas = damage(*m_drawn, now, { 0, 0, m_surface->w, m_surface->h });
    m_drawn = std::move(now);
    if (areas) {
        if (areas->empty())
            return;
        for (auto const& area : *areas)
            m_painter->paint(m_form, where, pressed, &area);
        SDL_RenderFlush(m_renderer.get());
        SDL_UpdateWindowSurfaceRects(m_window.get(), areas->data(), static_cast<int>(areas->size()));
        frame_presented();
        return;
    }
    // Black shows around the picture: the margins of a fullscreen view, or the edge a shake
    // inside the window uncovers.
    SDL_SetRenderDrawColor(m_renderer.get(), 0, 0, 0, 255);
    SDL_RenderClear(m_renderer.get());
    m_painter->paint(m_form, where, pressed);
    SDL_RenderFlush(m_renderer.get());
    SDL_UpdateWindowSurface(m_window.get());
    frame_presented();
}

FormPoint FormWindow::to_form(int x, int y) const
{
    auto const where = placement();
    double const units = m_form.units_per_pixel();
    return { std::floor(static_cast<double>(x - where.x) / where.scale) * units, std::floor(static_cast<double>(y - where.y) / where.scale) * units };
}

std::optional<SDL_Point> FormWindow::to_screen(FormPoint point) const
{
    auto const origin = x11::screen_origin(m_window.get());
    if (!origin)
        return std::nullopt;
    auto const where = placement();
    double const units = m_form.units_per_pixel();
    int const x = where.x + static_cast<int>(std::floor(point.x / units)) * where.scale + where.scale / 2;
    int const y = where.y + static_cast<int>(std::floor(point.y / units)) * where.scale + where.scale / 2;
    return SDL_Point { origin->x + x, origin->y + y };
}

}
