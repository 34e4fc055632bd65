#pragma once
// Text through fontconfig and FreeType (cairo's font faces) at 96 dots per inch, without
// anti-aliasing.

#include <cairo.h>

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "render/canvas.h"

namespace gridlet {

struct FontChoice {
    std::string face = "MS Sans Serif";  // UTF-8; fontconfig finds the nearest installed face
    double points = 8;
    int style = 0;          // bits: 1 bold, 2 italic, 4 underline, 8 strike-out
    double escapement = 0;  // tenths of a degree, counter-clockwise
};

struct CellSize {
    double width;   // the average character's width
    double height;  // ascent and descent, no leading; the em for a look-alike face
};

struct FontFace {
    cairo_font_face_t* cairo = nullptr;
    bool ownMetrics = true;  // the face named or one with its metrics, not a look-alike
};

// The font faces found so far, by face name and style. A face of the target's system that is not
// installed is drawn by its metric-compatible face, else by a look-alike of its kind (fixed pitch
// for a fixed-pitch face, so text keeps its columns). A style the face found lacks is made:
// slanted for italic, emboldened for bold.
class FontFaces {
  public:
    FontFaces() = default;
    ~FontFaces();
    FontFaces(const FontFaces&) = delete;
    FontFaces& operator=(const FontFaces&) = delete;

    const FontFace& For(const FontChoice& font);

  private:
    std::map<std::pair<std::string, int>, FontFace> faces_;
};

CellSize CharacterCell(Canvas& canvas, FontFaces& faces, const FontChoice& font);

// The text's cell row with its top left corner at topLeft, on a box of the background colour
// unless the background is none.
void PrintText(Canvas& canvas, FontFaces& faces, const FontChoice& font, IntPoint topLeft,
               std::string_view utf8, Rgb foreground, std::optional<Rgb> background);

}  // namespace gridlet
