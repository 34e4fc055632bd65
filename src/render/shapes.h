#pragma once
// Boxes, ellipses, arcs, pies and polygons: the fill first, then the outline on top. A shape's
// rectangle has exclusive right and bottom edges; a pen of width 1 draws on the pixels just
// inside them.

#include <optional>
#include <vector>

#include "render/brush.h"
#include "render/canvas.h"
#include "render/pen.h"

namespace gridlet {

// cornerPercent: 0 square corners, 100 an ellipse.
void DrawBox(Canvas& canvas, IntRect rect, double cornerPercent, const Pen& pen,
             const std::optional<Brush>& brush);

void DrawEllipse(Canvas& canvas, IntRect rect, const Pen& pen, const std::optional<Brush>& brush);

// Angles in radians, 0 at three o'clock, drawn counter-clockwise from start to end; equal angles
// give the whole ellipse, and so does a sweep of one whole turn, for a pie without a radius.
void DrawArc(Canvas& canvas, IntRect rect, double start, double end, const Pen& pen);
void DrawPie(Canvas& canvas, IntRect rect, double start, double end, const Pen& pen,
             const std::optional<Brush>& brush);

// Closed through the given vertices; winding picks the non-zero fill rule over even-odd.
void DrawPolygon(Canvas& canvas, const std::vector<IntPoint>& vertices, bool winding,
                 const Pen& pen, const std::optional<Brush>& brush);

}  // namespace gridlet
