#pragma once
// The pixel points each kind of object is drawn from, and where its tool takes each in its
// marked cell: what the objects panel shows as an object's position, what a move keeps inside the
// window, and what the mark follows.

#include <optional>

#include "design/tool_course.h"
#include "model/object_kind.h"

namespace gridlet {

struct ObjectPoints {
    PixelOffset first;
    // Nothing for an object drawn from its first point alone.
    std::optional<PixelOffset> second;
};

ObjectPoints PointsOf(ObjectKind kind);

}  // namespace gridlet
