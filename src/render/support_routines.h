#pragma once
// The support functions of the generated program, computed as their BASIC text computes them:
// the same steps in the same types (EXT is the x87 extended type, SINGLE is float, LONG
// assignments round to the nearest integer with ties to even).

#include <vector>

#include "render/values.h"

namespace gridlet {

// fDegree2Radian
long double Degree2Radian(long double degree);

// fPolygon: count points on the ellipse inscribed in the box, from startRad in steps of
// 2 pi / count. Throws RenderError for a count the BASIC loop cannot end on (below 1) or that
// no PolyArray holds (above 1024).
PolyPoints PolygonPoints(float nLeft, float nTop, float nRight, float nBottom, long double startRad,
                         long count);

// fPolygonPoints on an array with subscripts 0 to upperBound: upperBound + 1 points, the last
// one repeating the first.
std::vector<PointF> RingPoints(float nLeft, float nTop, float nRight, float nBottom,
                               long double startRad, long upperBound);

}  // namespace gridlet
