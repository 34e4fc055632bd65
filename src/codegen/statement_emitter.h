#pragma once
// The statement block of every object kind, as a tool first builds it and as the move menu's
// Preview rebuilds it from the shifted coordinates.

#include <cstdint>
#include <string>

#include "model/object_kind.h"
#include "model/properties.h"

namespace gridlet {

// What a block is built from: the object's number, its pixel corners, the current properties and
// the values of its own tool.
struct StatementValues {
    std::int32_t objectNumber = 0;
    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::int32_t starWidth = 0;  // the star's size as placed, for its inner points
    std::int32_t starHeight = 0;
    std::string arcStart;
    std::string arcEnd;
    std::string bitmapPath;
    Properties properties;
};

// A tool's first block, or the move menu's rebuilt one; their blanks and comments differ.
enum class Build { Placement, Rebuild };

std::string StatementBlock(const StatementValues& values, ObjectKind kind, Build build);

// The defaults that a star and a polygon store back into the properties before their block is
// built: a star has 5 points and a black edge unless chosen otherwise, a polygon 8 sides.
void DefaultStarPoints(Properties& properties);
void DefaultStarEdge(Properties& properties);
void DefaultPolygonSides(Properties& properties);

}  // namespace gridlet
