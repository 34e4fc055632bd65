#pragma once
// The TYPE and FUNCTION blocks that stars and polygons need, each once per design.

#include <string>

namespace gridlet {

// The design's TYPE declarations and support functions.
struct SupportTexts {
    std::string typeDecls;
    std::string supportFunctions;
};

// Adds PolyPoint; fPolygonPoints, GRAPHIC_Star, fDegree2Radian: whichever are still missing.
SupportTexts AddStarSupport(SupportTexts texts);

// Adds PolyPoint, PolyArray; fPolygon, fDegree2Radian: whichever are still missing.
SupportTexts AddPolygonSupport(SupportTexts texts);

}  // namespace gridlet
