// Draws a form's client area with an SDL renderer: the same code serves windows and screenshots.
#pragma once

#include <unordered_map>

#include "platform/control.hpp"
#include "platform/picture.hpp"
#include "platform/sdl/font_library.hpp"
#include "platform/sdl/sdl_handles.hpp"
#include "platform/sdl/spans.hpp"
#include "platform/sdl/text_painter.hpp"

#include <map>
#include <utility>
#include <vector>

namespace platform {
class Form;
}

namespace platform::sdl {

// Where the client area lands in the render target: its top-left corner and its scale.
struct Placement {
    int scale = 1;
    int x = 0;
    int y = 0;
};

enum class ButtonLook { raised, pressed };

struct FormPixels;

// Picture textures, made once per picture and scale; pictures are kept alive by the cache so a
// freed picture's address can never be mistaken for a new one.
class PictureTextures {
public:
    explicit PictureTextures(SDL_Renderer* renderer)
        : m_renderer(renderer)
    {
    }
    SDL_Texture* get(PicturePtr const& picture, int scale);
    // The same pixels as a surface for blitting straight onto another, run-length encoded so
    // that transparent runs are skipped and opaque ones copied; made on first use.
    SDL_Surface* surface(PicturePtr const& picture, int scale);
    // True when every pixel of the picture is fully opaque, so it hides whatever is below it.
    bool opaque(PicturePtr const& picture, int scale);
    // The largest rectangle of fully opaque pixels in the picture, in its own pixels: nothing
    // below it shows there.
    SDL_Rect core(PicturePtr const& picture, int scale);

private:
    struct Entry {
        PicturePtr picture;
        TexturePtr texture;
        bool opaque = false;
        SurfacePtr surface;
        SDL_Rect core {};
    };
    Entry& entry(PicturePtr const& picture, int scale);
    SDL_Renderer* m_renderer = nullptr;
    std::map<std::pair<Picture const*, int>, Entry> m_entries;
};

class FormPainter {
public:
    // `target`, when given, is the surface the software `renderer` draws on: fills and sprites
    // then go onto it directly, which costs a fraction of SDL's renderer calls for the many small
    // areas a moving scene redraws.
    FormPainter(SDL_Renderer* renderer, FontLibrary& fonts, SDL_Surface* target = nullptr);

    // Draws `form` clipped to its client area and to `area` (all of it when null), with
    // `pressed` (a button held down by the mouse, or null) drawn pushed in.
    void paint(Form const& form, Placement placement, Control const* pressed = nullptr, SDL_Rect const* area = nullptr);

private:
    void paint_control(Control const& control, FormPixels const& px, Control const* pressed);
    // Solid rectangles within the current clip.
    void fill(Rects const& rects, Color color);
    void draw_sprite(Sprite const& sprite, SDL_Rect const& box, int scale);
    // Whether the control alone covers all of `area` with opaque pixels.
    bool covers(Control const& control, FormPixels const& px, SDL_Rect const& area);
    // The style a label's caption is set in: its own font, or a little smaller where the free
    // fonts, wider than the original's, would need more lines than the label has room for.
    TextStyle const& label_text_style(Label const& label, SDL_Rect const& box, int scale);

    struct FittedLabel {
        std::string caption;
        Font font;
        int width = 0;
        int height = 0;
        int scale = 0;
        TextStyle fitted;
    };

    SDL_Renderer* m_renderer = nullptr;
    SDL_Surface* m_target = nullptr;
    SDL_Rect m_clip {};
    // Where sprites painted later in this pass hide everything below them, and the place in the
    // drawing order of what is being painted now: fills leave those parts out.
    struct Occluder {
        std::ptrdiff_t order = 0;
        SDL_Rect rect {};
    };
    std::vector<Occluder> m_occluders;
    std::vector<char> m_wanted; // by place in the form's controls: drawn in this pass
    std::ptrdiff_t m_order = 0;
    TextPainter m_text;
    PictureTextures m_pictures;
    std::unordered_map<Control const*, FittedLabel> m_fitted_labels;
};

void fill_rects(SDL_Renderer* renderer, Rects const& rects, Color color);

// A classic push button: grey face, raised bevel (or pushed in), centred caption, the caption
// etched in grey when the button is disabled.
void draw_button(SDL_Renderer* renderer, TextPainter& text, void const* owner, SDL_Rect box, std::string const& caption,
    int scale, ButtonLook look, Switch enabled);

// Pixels straight from cairo made into a texture, alpha un-premultiplied for SDL's blending.
TexturePtr texture_from_raster(SDL_Renderer* renderer, Raster const& raster);
// The same as a surface.
SurfacePtr surface_from_raster(Raster const& raster);

}
