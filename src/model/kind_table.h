#pragma once
// One table of what each object kind is: the accumulator that keeps its blocks and the section
// that draws them, in the order Undo searches the accumulators. Recording, Undo, the composition
// and the design file all read it.

#include <string>
#include <string_view>

#include "model/design.h"
#include "model/object_kind.h"
#include "model/sections.h"

namespace gridlet {

struct KindEntry {
    ObjectKind kind;
    std::string_view name;
    std::string Design::*accumulator;
    Section section;
};

inline constexpr KindEntry kKindTable[] = {
    {ObjectKind::Line, "line", &Design::lineCode, Section::Lines},
    {ObjectKind::LineStep, "line step", &Design::lineCode, Section::Lines},
    {ObjectKind::StretchedBitmap, "bitmap", &Design::bitmapCode, Section::Bitmaps},
    {ObjectKind::NaturalBitmap, "bitmap", &Design::bitmapCode, Section::Bitmaps},
    {ObjectKind::Box, "box", &Design::boxCode, Section::Boxes},
    {ObjectKind::Ellipse, "ellipse", &Design::ellipseCode, Section::Ellipses},
    {ObjectKind::Polygon, "polygon", &Design::polygonCode, Section::Polygons},
    {ObjectKind::Text, "text", &Design::textCode, Section::Texts},
    {ObjectKind::Star, "star", &Design::starCode, Section::Stars},
    {ObjectKind::Paint, "paint", &Design::paintCode, Section::Paints},
    {ObjectKind::PaintReplace, "paint replace", &Design::paintCode, Section::Paints},
    {ObjectKind::Arc, "arc", &Design::arcCode, Section::Arcs},
    {ObjectKind::Pie, "pie", &Design::pieCode, Section::Pies},
    {ObjectKind::StringVariable, "string", &Design::doStringBody, Section::DoStringRoutine},
};

const KindEntry& KindOf(ObjectKind kind);

}  // namespace gridlet
