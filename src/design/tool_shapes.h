#pragma once
// The outlined shapes drawn over the marked rectangle: star, polygon, box and ellipse.

#include "interact/context.h"

namespace gridlet {

void StarTool(Context& context);
void PolygonTool(Context& context);
void BoxTool(Context& context);
void EllipseTool(Context& context);

}  // namespace gridlet
