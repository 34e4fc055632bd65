#pragma once
// The TYPE blocks and FUNCTION blocks that star and polygon statements call, as emitted.

#include <string_view>

namespace gridlet {

extern const std::string_view kPolyPointType;
extern const std::string_view kPolyArrayType;
extern const std::string_view kPolygonPointsFunction;   // fPolygonPoints
extern const std::string_view kStarFunction;            // GRAPHIC_Star
extern const std::string_view kDegreeToRadianFunction;  // fDegree2Radian
extern const std::string_view kPolygonFunction;         // fPolygon

}  // namespace gridlet
