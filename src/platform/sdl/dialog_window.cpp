// Drawing and driving a box: buttons pressed by mouse or keys, and a one-line editor.
#include "platform/sdl/dialog_window.hpp"

#include "platform/sdl/box_icons.hpp"
#include "platform/sdl/spans.hpp"
#include "platform/sdl/x11_desktop.hpp"

#include <algorithm>

namespace platform::sdl {

namespace {

// Classic box proportions, in pixels at scale 1.
constexpr int margin = 12;
constexpr int button_width = 75;
constexpr int button_height = 23;
constexpr int message_text_width = 330;
constexpr int input_box_width = 360;
constexpr int field_height = 21;
constexpr Micros blink_period = 530'000;

constexpr int title_strip_height = 18;
constexpr Color selection_back { 0, 0, 128 };
constexpr Color title_back { 0, 0, 128 };
constexpr Color field_shadow { 128, 128, 128 };
constexpr Color field_light { 223, 223, 223 };

TextStyle box_style(int scale, int wrap_width = 0) { return { Font {}, scale, wrap_width }; }

bool contains(SDL_Rect const& rect, int x, int y)
{
    SDL_Point const point { x, y };
    return SDL_PointInRect(&point, &rect);
}

}

namespace {

BoxLayout layout_content(Dialog const& dialog, FontLibrary& fonts, int scale);

void move_down(SDL_Rect& rect, int by)
{
    if (rect.w > 0 || rect.h > 0)
        rect.y += by;
}

}

BoxLayout layout_box(Dialog const& dialog, FontLibrary& fonts, int scale, TitleStrip strip)
{
    BoxLayout layout = layout_content(dialog, fonts, scale);
    if (strip == TitleStrip::from_window_manager)
        return layout;
    int const height = title_strip_height * scale;
    for (SDL_Rect* rect : { &layout.icon, &layout.text, &layout.ok, &layout.cancel, &layout.field })
        move_down(*rect, height);
    layout.title = { 0, 0, layout.width, height };
    layout.height += height;
    return layout;
}

namespace {

BoxLayout layout_content(Dialog const& dialog, FontLibrary& fonts, int scale)
{
    int const s = scale;
    int const m = margin * s;
    int const line = std::max(1, text_line_skip(fonts, box_style(s)));
    BoxLayout layout;
    if (dialog.kind == DialogKind::message) {
        auto const wrapped = wrap_for(fonts, dialog.text, box_style(s, message_text_width * s));
        int const text_height = static_cast<int>(wrapped.lines.size()) * line;
        bool const has_icon = box_icon(dialog.icon) != nullptr;
        int const icon = has_icon ? box_icon_size * s : 0;
        int const text_left = has_icon ? m + icon + m : m + 6 * s;
        int const content = std::max(icon, text_height);
        layout.icon = has_icon ? SDL_Rect { m, m, icon, icon } : SDL_Rect {};
        layout.text = { text_left, m + (content - text_height) / 2, wrapped.width, text_height };
        int const title = text_width(fonts, dialog.title, box_style(s)) + 80 * s; // room for the title bar's buttons
        layout.width = std::max({ text_left + wrapped.width + m + 6 * s, button_width * s + 2 * m, title, 120 * s });
        layout.ok = { (layout.width - button_width * s) / 2, m + content + m, button_width * s, button_height * s };
        layout.height = layout.ok.y + layout.ok.h + m;
        return layout;
    }
    layout.width = input_box_width * s;
    layout.ok = { layout.width - m - button_width * s, m, button_width * s, button_height * s };
    layout.cancel = { layout.ok.x, layout.ok.y + layout.ok.h + 6 * s, layout.ok.w, layout.ok.h };
    int const prompt_width = layout.ok.x - 2 * m;
    auto const wrapped = wrap_for(fonts, dialog.text, box_style(s, prompt_width));
    layout.text = { m, m, prompt_width, static_cast<int>(wrapped.lines.size()) * line };
    int const field_top = std::max(layout.text.y + layout.text.h, layout.cancel.y + layout.cancel.h) + m;
    layout.field = { m, field_top, layout.width - 2 * m, std::max(field_height * s, line + 6 * s) };
    layout.height = layout.field.y + layout.field.h + m;
    return layout;
}

}

DialogWindow::DialogWindow(Dialog& dialog, FontLibrary& fonts, Clock const& clock, int scale, SDL_Window* over, SDL_Window* owner,
    TitleStrip strip)
    : m_dialog(dialog)
    , m_clock(clock)
    , m_scale(scale)
    , m_layout(layout_box(dialog, fonts, scale, strip))
    , m_edit(dialog.input, input_box_max_length)
    , m_blink_start(clock.now())
{
    m_dialog.input = m_edit.text();
    int x = SDL_WINDOWPOS_CENTERED;
    int y = SDL_WINDOWPOS_CENTERED;
    if (over && !(SDL_GetWindowFlags(over) & SDL_WINDOW_HIDDEN)) {
        int ox = 0;
        int oy = 0;
        int ow = 0;
        int oh = 0;
        SDL_GetWindowPosition(over, &ox, &oy);
        SDL_GetWindowSize(over, &ow, &oh);
        x = ox + (ow - m_layout.width) / 2;
        y = oy + (oh - m_layout.height) / 2;
    }
    m_window.reset(SDL_CreateWindow(dialog.title.c_str(), x, y, m_layout.width, m_layout.height, SDL_WINDOW_HIDDEN));
    if (!m_window)
        return;
    // A classic modal box: a dialog that stays above its owner, with only a close button, set
    // before the window manager first sees the window.
    x11::make_dialog(m_window.get(), owner);
    m_renderer.reset(SDL_CreateRenderer(m_window.get(), -1, SDL_RENDERER_SOFTWARE));
    if (!m_renderer)
        return;
    m_text = std::make_unique<TextPainter>(m_renderer.get(), fonts);
    if (dialog.kind == DialogKind::input)
        SDL_StartTextInput();
    m_pictures = std::make_unique<PictureTextures>(m_renderer.get());
    SDL_ShowWindow(m_window.get());
    raise();
}

DialogWindow::~DialogWindow()
{
    // Textures go before the renderer that made them.
    m_text.reset();
    m_pictures.reset();
    m_renderer.reset();
}

void DialogWindow::raise()
{
    if (!m_window)
        return;
    SDL_RaiseWindow(m_window.get());
    SDL_SetWindowInputFocus(m_window.get());
}

void DialogWindow::edited()
{
    m_dialog.input = m_edit.text();
    m_blink_start = m_clock.now();
    m_dirty = true;
}

BoxButton DialogWindow::button_at(int x, int y) const
{
    if (contains(m_layout.ok, x, y))
        return BoxButton::ok;
    if (m_dialog.kind == DialogKind::input && contains(m_layout.cancel, x, y))
        return BoxButton::cancel;
    return BoxButton::none;
}

DialogAction DialogWindow::key(SDL_Keysym const& key)
{
    bool const message = m_dialog.kind == DialogKind::message;
    switch (key.sym) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return DialogAction::ok;
    case SDLK_ESCAPE:
        return message ? DialogAction::ok : DialogAction::cancel;
    case SDLK_SPACE:
        return message ? DialogAction::ok : DialogAction::none;
    default:
        break;
    }
    if (message)
        return DialogAction::none;
    bool const control = (key.mod & KMOD_CTRL) != 0;
    switch (key.sym) {
    case SDLK_BACKSPACE:
        m_edit.backspace();
        break;
    case SDLK_DELETE:
        m_edit.erase_forward();
        break;
    case SDLK_LEFT:
        m_edit.move_left();
        break;
    case SDLK_RIGHT:
        m_edit.move_right();
        break;
    case SDLK_HOME:
        m_edit.move_home();
        break;
    case SDLK_END:
        m_edit.move_end();
        break;
    case SDLK_v:
    case SDLK_INSERT:
        if ((key.sym == SDLK_v && control) || (key.sym == SDLK_INSERT && (key.mod & KMOD_SHIFT))) {
            if (char* clip = SDL_GetClipboardText()) {
                m_edit.insert(clip);
                SDL_free(clip);
            }
            break;
        }
        return DialogAction::none;
    default:
        return DialogAction::none;
    }
    edited();
    return DialogAction::none;
}

DialogAction DialogWindow::handle(SDL_Event const& event)
{
    switch (event.type) {
    case SDL_KEYDOWN:
        return key(event.key.keysym);
    case SDL_TEXTINPUT:
        if (m_dialog.kind == DialogKind::input) {
            m_edit.insert(event.text.text);
            edited();
        }
        return DialogAction::none;
    case SDL_MOUSEBUTTONDOWN:
        if (event.button.button != SDL_BUTTON_LEFT || event.button.windowID != id())
            return DialogAction::none;
        m_held = button_at(event.button.x, event.button.y);
        m_held_inside = m_held != BoxButton::none;
        m_dirty = true;
        return DialogAction::none;
    case SDL_MOUSEMOTION:
        if (m_held != BoxButton::none && event.motion.windowID == id()) {
            bool const inside = button_at(event.motion.x, event.motion.y) == m_held;
            if (inside != m_held_inside) {
                m_held_inside = inside;
                m_dirty = true;
            }
        }
        return DialogAction::none;
    case SDL_MOUSEBUTTONUP: {
        if (event.button.button != SDL_BUTTON_LEFT || m_held == BoxButton::none)
            return DialogAction::none;
        BoxButton const held = std::exchange(m_held, BoxButton::none);
        m_dirty = true;
        if (event.button.windowID != id() || button_at(event.button.x, event.button.y) != held)
            return DialogAction::none;
        return held == BoxButton::ok ? DialogAction::ok : DialogAction::cancel;
    }
    case SDL_WINDOWEVENT:
        if (event.window.windowID != id())
            return DialogAction::none;
        if (event.window.event == SDL_WINDOWEVENT_CLOSE)
            return m_dialog.kind == DialogKind::message ? DialogAction::ok : DialogAction::cancel;
        if (event.window.event == SDL_WINDOWEVENT_EXPOSED || event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
            m_dirty = true;
        return DialogAction::none;
    default:
        return DialogAction::none;
    }
}

std::optional<Micros> DialogWindow::next_blink() const
{
    if (m_dialog.kind != DialogKind::input)
        return std::nullopt;
    Micros const elapsed = m_clock.now() - m_blink_start;
    return m_blink_start + (elapsed / blink_period + 1) * blink_period;
}

bool DialogWindow::caret_phase() const { return ((m_clock.now() - m_blink_start) / blink_period) % 2 == 0; }

bool DialogWindow::needs_redraw() const
{
    return m_dirty || (m_dialog.kind == DialogKind::input && caret_phase() != m_drawn_phase);
}

void DialogWindow::draw()
{
    m_dirty = false;
    m_drawn_phase = caret_phase();
    if (!m_renderer)
        return;
    SDL_Renderer* renderer = m_renderer.get();
    int const s = m_scale;
    fill_rects(renderer, { { 0, 0, m_layout.width, m_layout.height } }, colors::button_face);
    if (m_layout.title.h > 0) {
        fill_rects(renderer, { m_layout.title }, title_back);
        Font title_font;
        title_font.weight = FontWeight::bold;
        TextBlock const& title = m_text->block(&m_dialog.title, m_dialog.title, { title_font, s, 0 });
        int const inset = 4 * s;
        m_text->draw(title, { inset, (m_layout.title.h - title.line_skip) / 2, std::max(m_layout.title.w - 2 * inset, title.width), title.line_skip },
            Alignment::left, colors::white);
    }
    if (auto icon = box_icon(m_dialog.icon); icon && m_dialog.kind == DialogKind::message) {
        if (SDL_Texture* texture = m_pictures->get(icon, s))
            SDL_RenderCopy(renderer, texture, nullptr, &m_layout.icon);
    }
    int const wrap = m_dialog.kind == DialogKind::message ? message_text_width * s : m_layout.text.w;
    TextBlock const& text = m_text->block(&m_dialog.text, m_dialog.text, box_style(s, wrap));
    m_text->draw(text, { m_layout.text.x, m_layout.text.y, std::max(m_layout.text.w, text.width), m_layout.text.h }, Alignment::left,
        colors::black);

    auto const look = [&](BoxButton button) {
        return m_held == button && m_held_inside ? ButtonLook::pressed : ButtonLook::raised;
    };
    draw_button(renderer, *m_text, &m_layout.ok, m_layout.ok, "OK", s, look(BoxButton::ok), Switch::on);
    if (m_dialog.kind == DialogKind::input) {
        draw_button(renderer, *m_text, &m_layout.cancel, m_layout.cancel, "Cancel", s, look(BoxButton::cancel), Switch::on);

        // A sunken white field, its text scrolled so that the caret stays in view.
        SDL_Rect const f = m_layout.field;
        fill_rects(renderer, { { f.x, f.y, f.w - s, s }, { f.x, f.y, s, f.h - s } }, field_shadow);
        fill_rects(renderer, { { f.x + s, f.y + s, f.w - 3 * s, s }, { f.x + s, f.y + s, s, f.h - 3 * s } }, colors::black);
        fill_rects(renderer, { { f.x + s, f.y + f.h - 2 * s, f.w - 2 * s, s }, { f.x + f.w - 2 * s, f.y + s, s, f.h - 2 * s } }, field_light);
        fill_rects(renderer, { { f.x, f.y + f.h - s, f.w, s }, { f.x + f.w - s, f.y, s, f.h } }, colors::white);
        SDL_Rect const inside { f.x + 2 * s, f.y + 2 * s, f.w - 4 * s, f.h - 4 * s };
        fill_rects(renderer, { inside }, colors::white);

        TextStyle const style = box_style(s);
        SDL_Rect const area { inside.x + 2 * s, inside.y, inside.w - 4 * s, inside.h };
        int const caret_x = text_width(m_text->fonts(), m_edit.text().substr(0, m_edit.caret()), style);
        if (caret_x - m_scroll > area.w - s)
            m_scroll = caret_x - area.w + s;
        if (caret_x < m_scroll)
            m_scroll = std::max(0, caret_x - area.w / 3);
        TextBlock const& field = m_text->block(&m_edit, m_edit.text(), style);
        int const text_top = area.y + (area.h - field.line_skip) / 2;
        Color ink = colors::black;
        if (m_edit.selection() == Selection::all && !m_edit.text().empty()) {
            SDL_Rect selected { area.x - m_scroll, text_top, field.width, field.line_skip };
            SDL_IntersectRect(&selected, &area, &selected);
            fill_rects(renderer, { selected }, selection_back);
            ink = colors::white;
        }
        SDL_RenderSetClipRect(renderer, &area);
        m_text->draw(field, { area.x - m_scroll, text_top, std::max(area.w + m_scroll, field.width), field.line_skip }, Alignment::left, ink);
        if (m_drawn_phase)
            fill_rects(renderer, { { area.x + caret_x - m_scroll, text_top, s, field.line_skip } }, colors::black);
        SDL_RenderSetClipRect(renderer, nullptr);
    }
    SDL_RenderPresent(renderer);
}

}
