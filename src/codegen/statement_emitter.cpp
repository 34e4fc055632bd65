#include "codegen/statement_emitter.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "codegen/number_form.h"
#include "codegen/statement_lines.h"

namespace gridlet {
namespace {

// Placement blocks carry their tag after eight blanks, rebuilt ones after nine.
int TagBlanks(Build build) {
    return build == Build::Placement ? 8 : 9;
}

std::string Rectangle(const StatementValues& s) {
    return Corners(s.x1, s.y1, s.x2, s.y2);
}

std::string WidthLine(const Properties& p) {
    return "   GRAPHIC WIDTH " + p.lineWidth;
}

// The star's inner points lie at 0.275 and 0.725 of its placed size, both held in single
// precision.
std::int32_t InnerPoint(std::int32_t origin, std::int32_t size, float fraction) {
    return static_cast<std::int32_t>(std::floor(origin + static_cast<double>(size) * fraction));
}

std::string PaintBlock(const StatementValues& s, Build build) {
    const Properties& p = s.properties;
    Block block;
    block.Line("   GRAPHIC PAINT (" + T(s.x1) + "," + S(s.y1) + ")," + p.fillColor + "," +
               p.edgeColor + "," + p.fillStyle + Tag(s.objectNumber, TagBlanks(build)));
    block.BlankLine();
    return block.text;
}

std::string PaintReplaceBlock(const StatementValues& s) {
    const Properties& p = s.properties;
    Block block;
    block.Line("   GRAPHIC GET PIXEL (" + S(s.x1) + ", " + S(s.y1) + ") TO lRes& ");
    block.BlankLine();
    block.Line("   GRAPHIC PAINT REPLACE (" + T(s.x1) + "," + S(s.y1) + ")," + p.fillColor +
               ", lRes&, " + p.fillStyle + "        '" + S(s.objectNumber) + " ENDPAINT");
    block.BlankLine();
    return block.text;
}

std::string StarBlock(const StatementValues& s, Build build) {
    const Properties& p = s.properties;
    const std::int32_t ix1 = InnerPoint(s.x1, s.starWidth, 0.275f);
    const std::int32_t iy1 = InnerPoint(s.y1, s.starHeight, 0.275f);
    const std::int32_t ix2 = InnerPoint(s.x1, s.starWidth, 0.725f);
    const std::int32_t iy2 = InnerPoint(s.y1, s.starHeight, 0.725f);
    Block block;
    block.Line(WidthLine(p));
    block.Line("   sPts = " + p.cornerSidesPoints);
    if (build == Build::Placement) {
        block.Line("   RR1  = fDegree2Radian(180/sPts)    ' Change to (0/sPts) and ");
        block.Line("   RR2  = fDegree2Radian(360/sPts)    ' (180/sPts) to rotate points");
    } else {
        block.Line("   RR1  = fDegree2Radian(180/sPts)");
        block.Line("   RR2  = fDegree2Radian(360/sPts)");
    }
    block.BlankLine();
    block.Line("   GRAPHIC_Star " + S(s.x1) + ", " + S(s.y1) + ", " + S(s.x2) + ", " + S(s.y2) +
               ", RR1, " + S(ix1) + ", " + S(iy1) + ", " + S(ix2) + ", " + S(iy2) + ", RR2, sPts," +
               p.edgeColor + Tag(s.objectNumber, TagBlanks(build)));
    block.BlankLine();
    return block.text;
}

std::string ArcBlock(const StatementValues& s, Build build) {
    const Properties& p = s.properties;
    Block block;
    block.Line(WidthLine(p));
    block.Line("   GRAPHIC ARC " + Rectangle(s) + "," + s.arcStart + "," + s.arcEnd + "," +
               p.edgeColor + Tag(s.objectNumber, TagBlanks(build)));
    block.BlankLine();
    return block.text;
}

std::string PieBlock(const StatementValues& s, Build build) {
    const Properties& p = s.properties;
    Block block;
    block.Line(WidthLine(p));
    block.Line("   GRAPHIC PIE " + Rectangle(s) + "," + s.arcStart + "," + s.arcEnd + "," +
               p.edgeColor + "," + p.fillColor + "," + p.fillStyle +
               Tag(s.objectNumber, TagBlanks(build)));
    block.BlankLine();
    return block.text;
}

// A rebuilt line step has seven blanks before its tag, one fewer than at placement.
std::string LineStepBlock(const StatementValues& s, Build build) {
    Block block;
    block.Line("   GRAPHIC LINE STEP - (" + T(s.x1) + "," + S(s.y1) + ")" +
               Tag(s.objectNumber, build == Build::Placement ? 8 : 7));
    block.BlankLine();
    return block.text;
}

std::string StretchedBitmapBlock(const StatementValues& s) {
    Block block;
    block.Line("   GRAPHIC RENDER \"" + s.bitmapPath + "\", " + Rectangle(s) +
               Tag(s.objectNumber, 8));
    block.BlankLine();
    return block.text;
}

std::string NaturalBitmapBlock(const StatementValues& s) {
    Block block;
    block.Line(" GRAPHIC RENDER \"" + s.bitmapPath + "\", " + Rectangle(s) +
               Tag(s.objectNumber, 9));
    block.BlankLine();
    return block.text;
}

// The point array is named after the object, so every polygon's array is distinct.
std::string PolygonBlock(const StatementValues& s, Build build) {
    const Properties& p = s.properties;
    const std::string points = "tPpts" + T(s.objectNumber);
    Block block;
    block.Line(WidthLine(p));
    block.Line("   sPts = " + p.cornerSidesPoints);
    block.Line("   RR1  = fDegree2Radian(180/sPts)");
    block.Line("   DIM " + points + " AS LOCAL PolyArray");
    block.Line("   TYPE SET " + points + " = fPolygon(" + S(s.x1) + "," + S(s.y1) + "," + S(s.x2) +
               "," + S(s.y2) + ", RR1, sPts)");
    block.Line("   GRAPHIC POLYGON " + points + "," + p.edgeColor + "," + p.fillColor + "," +
               p.fillStyle + "," + p.polyFillMode + Tag(s.objectNumber, TagBlanks(build)));
    block.BlankLine();
    return block.text;
}

std::string BoxBlock(const StatementValues& s, Build build) {
    Block block;
    block.Line(WidthLine(s.properties));
    block.Line(
        BoxLine(s.x1, s.y1, s.x2, s.y2, s.properties, Tag(s.objectNumber, TagBlanks(build))));
    block.BlankLine();
    return block.text;
}

std::string EllipseBlock(const StatementValues& s, Build build) {
    const Properties& p = s.properties;
    Block block;
    block.Line(WidthLine(p));
    block.Line("   GRAPHIC ELLIPSE " + Rectangle(s) + "," + p.edgeColor + "," + p.fillColor + "," +
               p.fillStyle + Tag(s.objectNumber, TagBlanks(build)));
    block.BlankLine();
    return block.text;
}

// At placement a line is always black and two pixels wide; the chosen colour and width reach it
// only when the move menu rebuilds it.
std::string LinePlacementBlock(const StatementValues& s) {
    Block block;
    block.Line("   GRAPHIC COLOR 0");
    block.Line("   GRAPHIC WIDTH 2");
    block.Line("   GRAPHIC LINE " + Rectangle(s) + Tag(s.objectNumber, 11));
    block.BlankLine();
    return block.text;
}

// The rebuilt line has an apostrophe of its own before the tag's.
std::string LineRebuiltBlock(const StatementValues& s) {
    const Properties& p = s.properties;
    Block block;
    if (!p.edgeColor.empty()) block.Line("   GRAPHIC COLOR " + p.edgeColor);
    if (!p.lineWidth.empty()) block.Line(WidthLine(p));
    block.Line("   GRAPHIC LINE " + Rectangle(s) + "        '" + Tag(s.objectNumber, 1));
    block.BlankLine();
    return block.text;
}

}  // namespace

std::string StatementBlock(const StatementValues& s, ObjectKind kind, Build build) {
    switch (kind) {
        case ObjectKind::Paint:
            return PaintBlock(s, build);
        case ObjectKind::PaintReplace:
            return PaintReplaceBlock(s);
        case ObjectKind::Star:
            return StarBlock(s, build);
        case ObjectKind::Arc:
            return ArcBlock(s, build);
        case ObjectKind::Pie:
            return PieBlock(s, build);
        case ObjectKind::LineStep:
            return LineStepBlock(s, build);
        case ObjectKind::StretchedBitmap:
            return StretchedBitmapBlock(s);
        case ObjectKind::NaturalBitmap:
            return NaturalBitmapBlock(s);
        case ObjectKind::Polygon:
            return PolygonBlock(s, build);
        case ObjectKind::Box:
            return BoxBlock(s, build);
        case ObjectKind::Ellipse:
            return EllipseBlock(s, build);
        case ObjectKind::Line:
            return build == Build::Placement ? LinePlacementBlock(s) : LineRebuiltBlock(s);
        case ObjectKind::Text:
        case ObjectKind::StringVariable:
            break;
    }
    throw std::logic_error("a text's block is built from its text, not from statement values");
}

void DefaultStarPoints(Properties& p) {
    if (p.cornerSidesPoints == "0") p.cornerSidesPoints = " 5 ";
}

void DefaultStarEdge(Properties& p) {
    if (p.edgeColor.empty()) p.edgeColor = "%BLACK";
}

void DefaultPolygonSides(Properties& p) {
    if (p.cornerSidesPoints == "0") p.cornerSidesPoints = " 8 ";
}

}  // namespace gridlet
