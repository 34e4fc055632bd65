#pragma once
// The GRAPHIC and XPRINT statements, read from the words after GRAPHIC or XPRINT.

#include "render/expression.h"
#include "render/graphic_target.h"
#include "render/token_cursor.h"

namespace gridlet {

// The cursor stands after the word GRAPHIC or XPRINT. Throws RenderError for a form it does
// not know or cannot carry out.
void RunGraphicStatement(Device device, TokenCursor& cursor, Names& names, GraphicTarget& target);

// The star's drawing steps: colour, last point at the first outer point, then a line to each
// inner point and the outer point after it.
void DrawStarOutline(Device device, GraphicTarget& target, const std::vector<PointF>& outer,
                     const std::vector<PointF>& inner, long colour);

}  // namespace gridlet
