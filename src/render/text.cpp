#include "render/text.h"

#include <algorithm>
#include <cmath>
#include <numbers>

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

// A point is 1/72 inch; the picture has 96 pixels to the inch, as the target's screen.
void SelectFont(cairo_t* cairo, const FontChoice& font) {
    cairo_select_font_face(cairo, font.face.c_str(),
                           font.style & kItalic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                           font.style & kBold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
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

CellSize CharacterCell(Canvas& canvas, const FontChoice& font) {
    cairo_t* cairo = canvas.Cairo();
    cairo_save(cairo);
    SelectFont(cairo, font);
    const Metrics metrics = MetricsOfSelected(cairo);
    cairo_restore(cairo);
    canvas.CheckCairo();
    return {metrics.averageWidth, metrics.ascent + metrics.descent};
}

void PrintText(Canvas& canvas, const FontChoice& font, IntPoint topLeft, std::string_view utf8,
               Rgb foreground, std::optional<Rgb> background) {
    const std::string text(utf8);
    cairo_t* cairo = canvas.Cairo();
    cairo_save(cairo);
    SelectFont(cairo, font);
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
