#include "codegen/statement_emitter.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/place_object.h"

namespace gridlet {
namespace {

struct EmitCase {
    std::string name;
    ObjectKind kind;
    std::function<void(StatementValues&)> setUp;
    std::string expected;
};

TEST(StatementBlock, BuildsEveryKindsPlacementBlock) {
    const std::vector<EmitCase> cases = {
        {"box with default properties", ObjectKind::Box,
         [](StatementValues& s) { Place(s, 3, 26, 4, 83, 50); },
         "   GRAPHIC WIDTH 2\r\n"
         "   GRAPHIC BOX (26, 4) - (83, 50),0,0,%WHITE,0        ' [[  3  ]] \r\n"
         "\r\n"},
        {"box with negative x and y", ObjectKind::Box,
         [](StatementValues& s) { Place(s, 4, -12, -7, 0, -1); },
         "   GRAPHIC WIDTH 2\r\n"
         "   GRAPHIC BOX (-12,-7) - (0,-1),0,0,%WHITE,0        ' [[  4  ]] \r\n"
         "\r\n"},
        {"paint", ObjectKind::Paint,
         [](StatementValues& s) {
             Place(s, 1, 3, 4, 7, 23);
             s.properties.fillColor = "%RED";
             s.properties.fillStyle = "2";
         },
         "   GRAPHIC PAINT (3, 4),%RED,0,2        ' [[  1  ]] \r\n"
         "\r\n"},
        {"paint replace", ObjectKind::PaintReplace,
         [](StatementValues& s) { Place(s, 9, 49, 27, 53, 46); },
         "   GRAPHIC GET PIXEL ( 49,  27) TO lRes& \r\n"
         "\r\n"
         "   GRAPHIC PAINT REPLACE (49, 27),%WHITE, lRes&, 0        ' 9 ENDPAINT\r\n"
         "\r\n"},
        {"star 40 by 46: inner points 11, 12, 29 and 33 in", ObjectKind::Star,
         [](StatementValues& s) {
             Place(s, 5, 26, 4, 66, 50);
             s.starWidth = 40;
             s.starHeight = 46;
             s.properties.edgeColor = "";
             DefaultStarPoints(s.properties);
             DefaultStarEdge(s.properties);
         },
         "   GRAPHIC WIDTH 2\r\n"
         "   sPts =  5 \r\n"
         "   RR1  = fDegree2Radian(180/sPts)    ' Change to (0/sPts) and \r\n"
         "   RR2  = fDegree2Radian(360/sPts)    ' (180/sPts) to rotate points\r\n"
         "\r\n"
         "   GRAPHIC_Star  26,  4,  66,  50, RR1,  37,  16,  55,  37, RR2, sPts,%BLACK        ' [[ "
         " 5  ]] \r\n"
         "\r\n"},
        {"star with its own points and colour", ObjectKind::Star,
         [](StatementValues& s) {
             Place(s, 6, -4, -8, 6, 2);
             s.starWidth = 10;
             s.starHeight = 10;
             s.properties.cornerSidesPoints = "7";
             s.properties.edgeColor = "255";
         },
         "   GRAPHIC WIDTH 2\r\n"
         "   sPts = 7\r\n"
         "   RR1  = fDegree2Radian(180/sPts)    ' Change to (0/sPts) and \r\n"
         "   RR2  = fDegree2Radian(360/sPts)    ' (180/sPts) to rotate points\r\n"
         "\r\n"
         "   GRAPHIC_Star -4, -8,  6,  2, RR1, -2, -6,  3, -1, RR2, sPts,255        ' [[  6  ]] "
         "\r\n"
         "\r\n"},
        {"arc", ObjectKind::Arc,
         [](StatementValues& s) {
             Place(s, 7, 3, 4, 60, 50);
             s.arcStart = "0";
             s.arcEnd = "3.14";
             s.properties.lineWidth = "4";
         },
         "   GRAPHIC WIDTH 4\r\n"
         "   GRAPHIC ARC (3, 4) - (60, 50),0,3.14,0        ' [[  7  ]] \r\n"
         "\r\n"},
        {"pie", ObjectKind::Pie,
         [](StatementValues& s) {
             Place(s, 8, 3, 4, 60, 50);
             s.arcStart = "1";
             s.arcEnd = "2";
         },
         "   GRAPHIC WIDTH 2\r\n"
         "   GRAPHIC PIE (3, 4) - (60, 50),1,2,0,%WHITE,0        ' [[  8  ]] \r\n"
         "\r\n"},
        {"line step", ObjectKind::LineStep, [](StatementValues& s) { Place(s, 10, 72, 96, 0, 0); },
         "   GRAPHIC LINE STEP - (72, 96)        ' [[  10  ]] \r\n"
         "\r\n"},
        {"stretched bitmap", ObjectKind::StretchedBitmap,
         [](StatementValues& s) {
             Place(s, 11, 3, 4, 83, 50);
             s.bitmapPath = "C:\\pics\\cat.bmp";
         },
         "   GRAPHIC RENDER \"C:\\pics\\cat.bmp\", (3, 4) - (83, 50)        ' [[  11  ]] \r\n"
         "\r\n"},
        {"bitmap at natural size", ObjectKind::NaturalBitmap,
         [](StatementValues& s) {
             Place(s, 12, 14, 4, 214, 54);
             s.bitmapPath = "cat.bmp";
         },
         " GRAPHIC RENDER \"cat.bmp\", (14, 4) - (214, 54)         ' [[  12  ]] \r\n"
         "\r\n"},
        {"polygon", ObjectKind::Polygon,
         [](StatementValues& s) {
             Place(s, 13, 26, 4, 83, 50);
             DefaultPolygonSides(s.properties);
         },
         "   GRAPHIC WIDTH 2\r\n"
         "   sPts =  8 \r\n"
         "   RR1  = fDegree2Radian(180/sPts)\r\n"
         "   DIM tPpts13 AS LOCAL PolyArray\r\n"
         "   TYPE SET tPpts13 = fPolygon( 26, 4, 83, 50, RR1, sPts)\r\n"
         "   GRAPHIC POLYGON tPpts13,0,%WHITE,0,0        ' [[  13  ]] \r\n"
         "\r\n"},
        {"ellipse", ObjectKind::Ellipse,
         [](StatementValues& s) {
             Place(s, 14, 26, 4, 83, 50);
             s.properties.fillColor = "";
         },
         "   GRAPHIC WIDTH 2\r\n"
         "   GRAPHIC ELLIPSE (26, 4) - (83, 50),0,,0        ' [[  14  ]] \r\n"
         "\r\n"},
    };
    for (const auto& c : cases) {
        StatementValues values;
        c.setUp(values);
        EXPECT_EQ(StatementBlock(values, c.kind, Build::Placement), c.expected) << c.name;
    }
}

// Only the values the defaults stand for are replaced.
TEST(PropertyDefaults, StarPointsAndEdgePolygonSides) {
    Properties chosen;
    chosen.cornerSidesPoints = "7";
    chosen.edgeColor = "255";
    Properties star = chosen;
    DefaultStarPoints(star);
    DefaultStarEdge(star);
    DefaultPolygonSides(star);
    EXPECT_EQ(star.cornerSidesPoints, "7");
    EXPECT_EQ(star.edgeColor, "255");

    Properties unset;
    unset.edgeColor = "";
    Properties polygon = unset;
    DefaultPolygonSides(polygon);
    EXPECT_EQ(polygon.cornerSidesPoints, " 8 ");
    EXPECT_EQ(polygon.edgeColor, "");
    DefaultStarPoints(unset);
    DefaultStarEdge(unset);
    EXPECT_EQ(unset.cornerSidesPoints, " 5 ");
    EXPECT_EQ(unset.edgeColor, "%BLACK");
}

// A star marked right to left has a negative size; the single-precision fractions then reach just
// past the whole numbers 11 and 29, and floor takes them one further.
TEST(StatementBlock, StarInnerPointsUseTheSinglePrecisionFractions) {
    StatementValues values;
    Place(values, 1, 100, 100, 60, 54);
    values.starWidth = -40;
    values.starHeight = -46;
    const std::string block = StatementBlock(values, ObjectKind::Star, Build::Placement);
    EXPECT_NE(block.find("RR1,  88,  87,  70,  66, RR2"), std::string::npos) << block;
}

// The move menu's pending object: its values and its kind.
struct Pending : StatementValues {
    ObjectKind kind = ObjectKind::Box;
};

// The block the move menu's Preview rebuilds.
std::string Rebuilt(const Pending& pending) {
    return StatementBlock(pending, pending.kind, Build::Rebuild);
}

struct RegenerateCase {
    std::string name;
    std::function<void(Pending&)> setUp;
    std::string expected;
};

TEST(MoveMenuRebuild, RebuildsFromTheShiftedCoordinates) {
    const std::vector<RegenerateCase> cases = {
        {"box after two steps right",
         [](Pending& s) {
             Place(s, 3, 32, 4, 89, 50);
             s.kind = ObjectKind::Box;
         },
         "   GRAPHIC WIDTH 2\r\n"
         "   GRAPHIC BOX (32, 4) - (89, 50),0,0,%WHITE,0         ' [[  3  ]] \r\n"
         "\r\n"},
        {"paint",
         [](Pending& s) {
             Place(s, 2, 5, 6, 0, 0);
             s.kind = ObjectKind::Paint;
         },
         "   GRAPHIC PAINT (5, 6),%WHITE,0,0         ' [[  2  ]] \r\n"
         "\r\n"},
        {"star keeps its placed size and drops the RR comments",
         [](Pending& s) {
             Place(s, 5, 26, 4, 70, 53);
             s.starWidth = 40;
             s.starHeight = 46;
             s.properties.cornerSidesPoints = " 5 ";
             s.properties.edgeColor = "";
             DefaultStarEdge(s.properties);
             s.kind = ObjectKind::Star;
         },
         "   GRAPHIC WIDTH 2\r\n"
         "   sPts =  5 \r\n"
         "   RR1  = fDegree2Radian(180/sPts)\r\n"
         "   RR2  = fDegree2Radian(360/sPts)\r\n"
         "\r\n"
         "   GRAPHIC_Star  26,  4,  70,  53, RR1,  37,  16,  55,  37, RR2, sPts,%BLACK         ' "
         "[[  5  ]] \r\n"
         "\r\n"},
        {"arc",
         [](Pending& s) {
             Place(s, 7, 3, 4, 60, 50);
             s.arcStart = "0";
             s.arcEnd = "1";
             s.kind = ObjectKind::Arc;
         },
         "   GRAPHIC WIDTH 2\r\n"
         "   GRAPHIC ARC (3, 4) - (60, 50),0,1,0         ' [[  7  ]] \r\n"
         "\r\n"},
        {"pie",
         [](Pending& s) {
             Place(s, 8, 3, 4, 60, 50);
             s.arcStart = "0";
             s.arcEnd = "1";
             s.kind = ObjectKind::Pie;
         },
         "   GRAPHIC WIDTH 2\r\n"
         "   GRAPHIC PIE (3, 4) - (60, 50),0,1,0,%WHITE,0         ' [[  8  ]] \r\n"
         "\r\n"},
        {"polygon",
         [](Pending& s) {
             Place(s, 13, 26, 4, 83, 50);
             s.properties.cornerSidesPoints = "6";
             s.kind = ObjectKind::Polygon;
         },
         "   GRAPHIC WIDTH 2\r\n"
         "   sPts = 6\r\n"
         "   RR1  = fDegree2Radian(180/sPts)\r\n"
         "   DIM tPpts13 AS LOCAL PolyArray\r\n"
         "   TYPE SET tPpts13 = fPolygon( 26, 4, 83, 50, RR1, sPts)\r\n"
         "   GRAPHIC POLYGON tPpts13,0,%WHITE,0,0         ' [[  13  ]] \r\n"
         "\r\n"},
        {"ellipse",
         [](Pending& s) {
             Place(s, 14, 26, 4, 83, 50);
             s.kind = ObjectKind::Ellipse;
         },
         "   GRAPHIC WIDTH 2\r\n"
         "   GRAPHIC ELLIPSE (26, 4) - (83, 50),0,%WHITE,0         ' [[  14  ]] \r\n"
         "\r\n"},
        {"bitmap at natural size is written as at placement",
         [](Pending& s) {
             Place(s, 12, 15, 4, 215, 54);
             s.bitmapPath = "cat.bmp";
             s.kind = ObjectKind::NaturalBitmap;
         },
         " GRAPHIC RENDER \"cat.bmp\", (15, 4) - (215, 54)         ' [[  12  ]] \r\n"
         "\r\n"},
        {"line step has seven blanks before its tag",
         [](Pending& s) {
             Place(s, 10, 73, 96, 0, 0);
             s.kind = ObjectKind::LineStep;
         },
         "   GRAPHIC LINE STEP - (73, 96)       ' [[  10  ]] \r\n"
         "\r\n"},
        {"line without colour and width",
         [](Pending& s) {
             Place(s, 16, 3, 4, 117, 96);
             s.properties.edgeColor = "";
             s.properties.lineWidth = "";
             s.kind = ObjectKind::Line;
         },
         "   GRAPHIC LINE (3, 4) - (117, 96)        ' ' [[  16  ]] \r\n"
         "\r\n"},
    };
    for (const auto& c : cases) {
        Pending pending;
        c.setUp(pending);
        EXPECT_EQ(Rebuilt(pending), c.expected) << c.name;
    }
}

TEST(MoveMenuRebuild, LinePlacedThenRebuiltWithTheMenuChoice) {
    Pending line;
    Place(line, 4, 3, 4, 49, 4);
    line.properties.edgeColor = "255";
    line.properties.lineWidth = "6";
    line.kind = ObjectKind::Line;
    EXPECT_EQ(StatementBlock(line, ObjectKind::Line, Build::Placement),
              "   GRAPHIC COLOR 0\r\n   GRAPHIC WIDTH 2\r\n   GRAPHIC LINE (3, 4) - (49, 4)        "
              "   ' [[  4  ]] \r\n\r\n");
    EXPECT_EQ(Rebuilt(line),
              "   GRAPHIC COLOR 255\r\n   GRAPHIC WIDTH 6\r\n   GRAPHIC LINE (3, 4) - (49, 4)      "
              "  ' ' [[  4  ]] \r\n\r\n");
}

}  // namespace
}  // namespace gridlet
