#include "render/text.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/text_case.h"

namespace gridlet {
namespace {

enum StyleBit { kBold = 1, kItalic = 2, kUnderline = 4, kStrikeOut = 8 };

struct Metrics {
    double ascent;
    double descent;
    double averageWidth;
    double xHeight;
    double lineThickness;
};

bool IsFixedPitch(const std::string& face) {
    static constexpr std::string_view kFixedFaces[] = {
        "LUCIDA CONSOLE", "CONSOLAS", "COURIER NEW", "COURIER", "TERMINAL", "FIXEDSYS",
    };
    return std::ranges::any_of(
        kFixedFaces, [&face](std::string_view fixed) { return EqualIgnoringCase(face, fixed); });
}

// A point is 1/72 inch; the picture has 96 pixels to the inch, as the target's screen.
void SelectFont(cairo_t* cairo, FontFaces& faces, const FontChoice& font) {
    cairo_set_font_face(cairo, faces.For(font));
    cairo_set_font_size(cairo, std::max(1.0, std::round(font.points * 96 / 72)));
}

Metrics MetricsOfSelected(cairo_t* cairo) {
    cairo_font_extents_t font;
    cairo_font_extents(cairo, &font);
    cairo_text_extents_t x;
    cairo_text_extents(cairo, "x", &x);
    return {std::ceil(font.ascent), std::ceil(font.descent), x.x_advance, -x.y_bearing,
            std::max(1.0, std::round((font.ascent + font.descent) / 16))};
}

}  // namespace

FontFaces::~FontFaces() {
    for (const auto& [key, face] : faces_) cairo_font_face_destroy(face);
}

cairo_font_face_t* FontFaces::For(const FontChoice& font) {
    const std::pair<std::string, int> key{font.face, font.style & (kBold | kItalic)};
    if (const auto found = faces_.find(key); found != faces_.end()) return found->second;
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(font.face.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT,
                        font.style & kBold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, font.style & kItalic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    if (IsFixedPitch(font.face)) FcPatternAddInteger(pattern, FC_SPACING, FC_MONO);
    cairo_font_face_t* face = cairo_ft_font_face_create_for_pattern(pattern);
    FcPatternDestroy(pattern);
    return faces_[key] = face;
}

CellSize CharacterCell(Canvas& canvas, FontFaces& faces, const FontChoice& font) {
    cairo_t* cairo = canvas.Cairo();
    cairo_save(cairo);
    SelectFont(cairo, faces, font);
    const Metrics metrics = MetricsOfSelected(cairo);
    cairo_restore(cairo);
    canvas.CheckCairo();
    return {metrics.averageWidth, metrics.ascent + metrics.descent};
}

void PrintText(Canvas& canvas, FontFaces& faces, const FontChoice& font, IntPoint topLeft,
               std::string_view utf8, Rgb foreground, std::optional<Rgb> background) {
    const std::string text(utf8);
    cairo_t* cairo = canvas.Cairo();
    cairo_save(cairo);
    SelectFont(cairo, faces, font);
    const Metrics metrics = MetricsOfSelected(cairo);
    cairo_text_extents_t extents;
    cairo_text_extents(cairo, text.c_str(), &extents);
    const double advance = std::ceil(extents.x_advance);
    const double height = metrics.ascent + metrics.descent;

    cairo_translate(cairo, topLeft.x, topLeft.y);
    cairo_rotate(cairo, -font.escapement / 1800 * std::numbers::pi);
    if (background) {
        SetSource(cairo, *background);
        cairo_rectangle(cairo, 0, 0, advance, height);
        cairo_fill(cairo);
    }
    SetSource(cairo, foreground);
    cairo_move_to(cairo, 0, metrics.ascent);
    cairo_show_text(cairo, text.c_str());
    const double underline = metrics.ascent + std::max(1.0, std::floor(metrics.descent / 3));
    const double strikeOut = metrics.ascent - std::round(metrics.xHeight / 2);
    for (const auto& [bit, top] : {std::pair{kUnderline, underline}, {kStrikeOut, strikeOut}}) {
        if (!(font.style & bit)) continue;
        cairo_rectangle(cairo, 0, top, advance, metrics.lineThickness);
        cairo_fill(cairo);
    }
    cairo_restore(cairo);
    canvas.CheckCairo();
}

}  // namespace gridlet
