#pragma once
// The object kinds a tool places; each has its own statement block and accumulator.

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
    Text,
    StringVariable,
};

}  // namespace gridlet
