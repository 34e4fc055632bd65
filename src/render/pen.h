#pragma once
// How outlines and lines are drawn: colour, width in pixels, and a dashed style that only a pen
// of width 1 has. Wider pens are round at their ends and joints.

#include <cairo.h>

#include <span>

#include "render/rgb_image.h"

namespace gridlet {

enum class LineStyle { Solid, Dash, Dot, DashDot, DashDotDot };

struct Pen {
    Rgb colour;
    int width = 1;
    LineStyle style = LineStyle::Solid;
};

// On and off lengths in pixels, starting with on; empty for a solid line.
std::span<const double> DashLengths(LineStyle style);

// Where a pen's centre line sits within its pixel: an odd width is centred on the pixel, an
// even one on its top left corner, so both cover whole pixels.
double PenOffset(int width);

// Makes the pen cairo's source and stroke settings.
void SetPen(cairo_t* cairo, const Pen& pen);

}  // namespace gridlet
