#pragma once
// Straight lines: from the first point up to, not including, the second. A pen of width 1 is
// stepped pixel by pixel (with its dashes); a wider pen is a cairo stroke with round ends.

#include "render/canvas.h"
#include "render/pen.h"

namespace gridlet {

void DrawLine(Canvas& canvas, IntPoint from, IntPoint to, const Pen& pen);

}  // namespace gridlet
