#include "render/text.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/target_faces.h"
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

const char* GenericFamily(FaceKind kind) {
    switch (kind) {
        case FaceKind::Serif:
            return "serif";
        case FaceKind::Mono:
            return "monospace";
        case FaceKind::Sans:
            break;
    }
    return "sans-serif";
}

void AddFamily(FcPattern* pattern, std::string_view family) {
    const std::string name(family);
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
}

bool HasFamily(FcPattern* pattern, std::string_view family) {
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(pattern, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
        if (!family.empty() && EqualIgnoringCase(reinterpret_cast<const char*>(name), family))
            return true;
    }
    return false;
}

int IntegerOf(FcPattern* pattern, const char* object, int none) {
    int value = none;
    FcPatternGetInteger(pattern, object, 0, &value);
    return value;
}

// The face named first, then its metric-compatible face, then any of its kind.
FcPattern* WantedPattern(const FontChoice& font, const TargetFace* target) {
    FcPattern* pattern = FcPatternCreate();
    AddFamily(pattern, font.face);
    if (target) {
        if (!target->compatible.empty()) AddFamily(pattern, target->compatible);
        AddFamily(pattern, GenericFamily(target->kind));
        if (target->kind == FaceKind::Mono) FcPatternAddInteger(pattern, FC_SPACING, FC_MONO);
    }
    FcPatternAddInteger(pattern, FC_WEIGHT,
                        font.style & kBold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, font.style & kItalic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    return pattern;
}

// The styles the face found lacks. The match itself says a slant or a weight that fontconfig
// would only pretend, so the face's file is asked.
unsigned int Synthesized(FcPattern* match, int style) {
    FcChar8* file = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &file) != FcResultMatch) return 0;
    int count = 0;
    FcPattern* own = FcFreeTypeQuery(file, IntegerOf(match, FC_INDEX, 0), nullptr, &count);
    if (own == nullptr) return 0;
    unsigned int synthesize = 0;
    if (style & kItalic && IntegerOf(own, FC_SLANT, FC_SLANT_ROMAN) == FC_SLANT_ROMAN)
        synthesize |= CAIRO_FT_SYNTHESIZE_OBLIQUE;
    if (style & kBold && IntegerOf(own, FC_WEIGHT, FC_WEIGHT_REGULAR) < FC_WEIGHT_DEMIBOLD)
        synthesize |= CAIRO_FT_SYNTHESIZE_BOLD;
    FcPatternDestroy(own);
    return synthesize;
}

double PixelSize(const FontChoice& font) {
    return std::max(1.0, std::round(font.points * 96 / 72));
}

// A point is 1/72 inch; the picture has 96 pixels to the inch, as the target's screen. A
// look-alike's line is not the named face's: the line is the em at 96 dots per inch, and the
// look-alike is drawn at the size whose own line fills it.
Metrics SelectFont(cairo_t* cairo, FontFaces& faces, const FontChoice& font) {
    const FontFace& face = faces.For(font);
    const double em = PixelSize(font);
    cairo_set_font_face(cairo, face.cairo);
    cairo_set_font_size(cairo, em);
    cairo_font_extents_t extents;
    cairo_font_extents(cairo, &extents);
    double ascent = std::ceil(extents.ascent);
    double descent = std::ceil(extents.descent);
    double line = extents.ascent + extents.descent;
    if (!face.ownMetrics && line > 0) {
        cairo_set_font_size(cairo, em * em / line);
        ascent = std::round(em * extents.ascent / line);
        descent = em - ascent;
        line = em;
    }
    cairo_text_extents_t x;
    cairo_text_extents(cairo, "x", &x);
    return {ascent, descent, x.x_advance, -x.y_bearing, std::max(1.0, std::round(line / 16))};
}

}  // namespace

FontFaces::~FontFaces() {
    for (const auto& [key, face] : faces_) cairo_font_face_destroy(face.cairo);
}

const FontFace& FontFaces::For(const FontChoice& font) {
    const std::pair<std::string, int> key{font.face, font.style & (kBold | kItalic)};
    if (const auto found = faces_.find(key); found != faces_.end()) return found->second;
    const TargetFace* target = FindTargetFace(font.face);
    FcPattern* wanted = WantedPattern(font, target);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, wanted, &result);
    FontFace face;
    if (match == nullptr) {
        face.cairo = cairo_ft_font_face_create_for_pattern(wanted);
    } else {
        face.cairo = cairo_ft_font_face_create_for_pattern(match);
        face.ownMetrics =
            HasFamily(match, font.face) || (target && HasFamily(match, target->compatible));
        cairo_ft_font_face_set_synthesize(face.cairo, Synthesized(match, font.style));
        FcPatternDestroy(match);
    }
    FcPatternDestroy(wanted);
    return faces_[key] = face;
}

CellSize CharacterCell(Canvas& canvas, FontFaces& faces, const FontChoice& font) {
    cairo_t* cairo = canvas.Cairo();
    cairo_save(cairo);
    const Metrics metrics = SelectFont(cairo, faces, font);
    cairo_restore(cairo);
    canvas.CheckCairo();
    return {metrics.averageWidth, metrics.ascent + metrics.descent};
}

void PrintText(Canvas& canvas, FontFaces& faces, const FontChoice& font, IntPoint topLeft,
               std::string_view utf8, Rgb foreground, std::optional<Rgb> background) {
    const std::string text(utf8);
    cairo_t* cairo = canvas.Cairo();
    cairo_save(cairo);
    const Metrics metrics = SelectFont(cairo, faces, font);
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
