#pragma once
// The object kinds a drawing tool places; each has its own statement block and accumulator.

namespace gridlet {

enum class ObjectKind {
    Paint,
    PaintReplace,
    Star,
    Arc,
    Pie,
    LineStep,
    StretchedBitmap,
    NaturalBitmap,
    Polygon,
    Box,
    Ellipse,
    Line,
};

}  // namespace gridlet
