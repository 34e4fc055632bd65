#pragma once
// How an area is filled: solid, or one of the six hatch patterns, whose lines take the fill
// colour and whose gaps take the background colour. The pattern is anchored at the picture's
// origin, so it lands on the same pixels wherever the area lies.

#include <cairo.h>

#include <optional>

#include "render/canvas.h"

namespace gridlet {

enum class Hatch {
    Solid,
    Horizontal,
    Vertical,
    UpwardDiagonal,
    DownwardDiagonal,
    Cross,
    DiagonalCross
};

struct Brush {
    Rgb colour;
    Hatch hatch = Hatch::Solid;
    std::optional<Rgb> gaps;  // none: the gaps leave what lies beneath
};

// The brush's colour at a pixel; none for a gap that leaves what lies beneath.
std::optional<Rgb> BrushColourAt(const Brush& brush, IntPoint p);

// Makes the brush cairo's source, so a cairo fill paints exactly what BrushColourAt says.
void SetBrushSource(cairo_t* cairo, const Brush& brush);

}  // namespace gridlet
