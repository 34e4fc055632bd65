#include "design/object_points.h"

#include "design/tool_string.h"
#include "design/tool_text.h"

namespace gridlet {

ObjectPoints PointsOf(ObjectKind kind) {
    switch (kind) {
        case ObjectKind::Star:
            return {kNearOffset, kFarOffset};
        // A paint's far corner is in no statement; the letter P marks its first.
        case ObjectKind::Paint:
        case ObjectKind::PaintReplace:
        case ObjectKind::LineStep:
            return {kNearOffset, std::nullopt};
        case ObjectKind::Text:
            return {kTextOffset, std::nullopt};
        case ObjectKind::StringVariable:
            return {kStringFirstOffset, std::nullopt};
        case ObjectKind::Box:
        case ObjectKind::Ellipse:
        case ObjectKind::Polygon:
        case ObjectKind::Line:
        case ObjectKind::Arc:
        case ObjectKind::Pie:
        case ObjectKind::StretchedBitmap:
        case ObjectKind::NaturalBitmap:
            break;
    }
    return {kNearOffset, kNearOffset};
}

}  // namespace gridlet
