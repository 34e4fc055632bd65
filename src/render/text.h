#pragma once
// Text through fontconfig and FreeType (cairo's font faces) at 96 dots per inch, without
// anti-aliasing.

#include <optional>
#include <string>
#include <string_view>

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
    double height;  // ascent and descent, no leading
};

CellSize CharacterCell(Canvas& canvas, const FontChoice& font);

// The text's cell row with its top left corner at topLeft, on a box of the background colour
// unless the background is none.
void PrintText(Canvas& canvas, const FontChoice& font, IntPoint topLeft, std::string_view utf8,
               Rgb foreground, std::optional<Rgb> background);

}  // namespace gridlet
