#pragma once
// Adds the TYPE and FUNCTION blocks that stars and polygons need, each once per design.

#include "design/design_state.h"

namespace gridlet {

// PolyPoint; fPolygonPoints, GRAPHIC_Star, fDegree2Radian: whichever are still missing.
void AddStarSupport(DesignState& state);

// PolyPoint, PolyArray; fPolygon, fDegree2Radian: whichever are still missing.
void AddPolygonSupport(DesignState& state);

}  // namespace gridlet
