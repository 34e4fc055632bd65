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
    std::function<void(DesignState&)> setUp;
    std::string expected;
};

TEST(EmitStatement, BuildsEveryKindsPlacementBlock) {
    const std::vector<EmitCase> cases = {
        {"box with default properties", ObjectKind::Box,
         [](DesignState& s) { Place(s, 3, 26, 4, 83, 50); },
         "   GRAPHIC WIDTH 2\r\n"
         "   GRAPHIC BOX (26, 4) - (83, 50),0,0,%WHITE,0        ' [[  3  ]] \r\n"
         "\r\n"},
        {"box with negative x and y", ObjectKind::Box,
         [](DesignState& s) { Place(s, 4, -12, -7, 0, -1); },
         "   GRAPHIC WIDTH 2\r\n"
         "   GRAPHIC BOX (-12,-7) - (0,-1),0,0,%WHITE,0        ' [[  4  ]] \r\n"
         "\r\n"},
        {"paint", ObjectKind::Paint,
         [](DesignState& s) {
             Place(s, 1, 3, 4, 7, 23);
             s.properties.fillColor = "%RED";
             s.properties.fillStyle = "2";
         },
         "   GRAPHIC PAINT (3, 4),%RED,0,2        ' [[  1  ]] \r\n"
         "\r\n"},
        {"paint replace", ObjectKind::PaintReplace,
         [](DesignState& s) { Place(s, 9, 49, 27, 53, 46); },
         "   GRAPHIC GET PIXEL ( 49,  27) TO lRes& \r\n"
         "\r\n"
         "   GRAPHIC PAINT REPLACE (49, 27),%WHITE, lRes&, 0        ' 9 ENDPAINT\r\n"
         "\r\n"},
        {"star 40 by 46: inner points 11, 12, 29 and 33 in", ObjectKind::Star,
         [](DesignState& s) {
             Place(s, 5, 26, 4, 66, 50);
             s.starWidth = 40;
             s.starHeight = 46;
             s.properties.edgeColor = "";
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
         [](DesignState& s) {
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
         [](DesignState& s) {
             Place(s, 7, 3, 4, 60, 50);
             s.arcStart = "0";
             s.arcEnd = "3.14";
             s.properties.lineWidth = "4";
         },
         "   GRAPHIC WIDTH 4\r\n"
         "   GRAPHIC ARC (3, 4) - (60, 50),0,3.14,0        ' [[  7  ]] \r\n"
         "\r\n"},
        {"pie", ObjectKind::Pie,
         [](DesignState& s) {
             Place(s, 8, 3, 4, 60, 50);
             s.arcStart = "1";
             s.arcEnd = "2";
         },
         "   GRAPHIC WIDTH 2\r\n"
         "   GRAPHIC PIE (3, 4) - (60, 50),1,2,0,%WHITE,0        ' [[  8  ]] \r\n"
         "\r\n"},
        {"line step", ObjectKind::LineStep, [](DesignState& s) { Place(s, 10, 72, 96, 0, 0); },
         "   GRAPHIC LINE STEP - (72, 96)        ' [[  10  ]] \r\n"
         "\r\n"},
        {"stretched bitmap", ObjectKind::StretchedBitmap,
         [](DesignState& s) {
             Place(s, 11, 3, 4, 83, 50);
             s.bitmapPath = "C:\\pics\\cat.bmp";
         },
         "   GRAPHIC RENDER \"C:\\pics\\cat.bmp\", (3, 4) - (83, 50)        ' [[  11  ]] \r\n"
         "\r\n"},
        {"bitmap at natural size writes its width and height", ObjectKind::NaturalBitmap,
         [](DesignState& s) {
             Place(s, 12, 14, 4, 200, 50);
             s.bitmapPath = "cat.bmp";
         },
         " GRAPHIC RENDER \"cat.bmp\", (14, 4) - (200, 50)         ' [[  12  ]] \r\n"
         "\r\n"},
        {"polygon", ObjectKind::Polygon, [](DesignState& s) { Place(s, 13, 26, 4, 83, 50); },
         "   GRAPHIC WIDTH 2\r\n"
         "   sPts =  8 \r\n"
         "   RR1  = fDegree2Radian(180/sPts)\r\n"
         "   DIM tPpts13 AS LOCAL PolyArray\r\n"
         "   TYPE SET tPpts13 = fPolygon( 26, 4, 83, 50, RR1, sPts)\r\n"
         "   GRAPHIC POLYGON tPpts13,0,%WHITE,0,0        ' [[  13  ]] \r\n"
         "\r\n"},
        {"ellipse", ObjectKind::Ellipse,
         [](DesignState& s) {
             Place(s, 14, 26, 4, 83, 50);
             s.properties.fillColor = "";
         },
         "   GRAPHIC WIDTH 2\r\n"
         "   GRAPHIC ELLIPSE (26, 4) - (83, 50),0,,0        ' [[  14  ]] \r\n"
         "\r\n"},
    };
    for (const auto& c : cases) {
        DesignState state;
        c.setUp(state);
        EmitStatement(state, c.kind);
        EXPECT_EQ(state.pendingStatement, c.expected) << c.name;
    }
}

TEST(EmitStatement, StarAndPolygonDefaultsStayInTheProperties) {
    DesignState star;
    star.properties.edgeColor = "";
    EmitStatement(star, ObjectKind::Star);
    EXPECT_EQ(star.properties.cornerSidesPoints, " 5 ");
    EXPECT_EQ(star.properties.edgeColor, "%BLACK");

    DesignState polygon;
    polygon.properties.edgeColor = "";
    EmitStatement(polygon, ObjectKind::Polygon);
    EXPECT_EQ(polygon.properties.cornerSidesPoints, " 8 ");
    EXPECT_EQ(polygon.properties.edgeColor, "");

    DesignState box;
    EmitStatement(box, ObjectKind::Box);
    EXPECT_EQ(box.properties.cornerSidesPoints, "0");
}

// A star marked right to left has a negative size; the single-precision fractions then reach just
// past the whole numbers 11 and 29, and floor takes them one further.
TEST(EmitStatement, StarInnerPointsUseTheSinglePrecisionFractions) {
    DesignState state;
    Place(state, 1, 100, 100, 60, 54);
    state.starWidth = -40;
    state.starHeight = -46;
    EmitStatement(state, ObjectKind::Star);
    EXPECT_NE(state.pendingStatement.find("RR1,  88,  87,  70,  66, RR2"), std::string::npos)
        << state.pendingStatement;
}

struct RegenerateCase {
    std::string name;
    std::function<void(DesignState&)> setUp;
    std::string expected;
};

TEST(RegenerateStatement, RebuildsFromTheShiftedCoordinates) {
    const std::vector<RegenerateCase> cases = {
        {"box after two steps right",
         [](DesignState& s) {
             Place(s, 3, 32, 4, 89, 50);
             s.targets.rectangle = true;
         },
         "   GRAPHIC WIDTH 2\r\n"
         "   GRAPHIC BOX (32, 4) - (89, 50),0,0,%WHITE,0         ' [[  3  ]] \r\n"
         "\r\n"},
        {"paint",
         [](DesignState& s) {
             Place(s, 2, 5, 6, 0, 0);
             s.targets.paint = true;
         },
         "   GRAPHIC PAINT (5, 6),%WHITE,0,0         ' [[  2  ]] \r\n"
         "\r\n"},
        {"star keeps its placed size and drops the RR comments",
         [](DesignState& s) {
             Place(s, 5, 26, 4, 70, 53);
             s.starWidth = 40;
             s.starHeight = 46;
             s.properties.cornerSidesPoints = " 5 ";
             s.properties.edgeColor = "";
             s.targets.star = true;
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
         [](DesignState& s) {
             Place(s, 7, 3, 4, 60, 50);
             s.arcStart = "0";
             s.arcEnd = "1";
             s.targets.arc = true;
         },
         "   GRAPHIC WIDTH 2\r\n"
         "   GRAPHIC ARC (3, 4) - (60, 50),0,1,0         ' [[  7  ]] \r\n"
         "\r\n"},
        {"pie",
         [](DesignState& s) {
             Place(s, 8, 3, 4, 60, 50);
             s.arcStart = "0";
             s.arcEnd = "1";
             s.targets.pie = true;
         },
         "   GRAPHIC WIDTH 2\r\n"
         "   GRAPHIC PIE (3, 4) - (60, 50),0,1,0,%WHITE,0         ' [[  8  ]] \r\n"
         "\r\n"},
        {"polygon",
         [](DesignState& s) {
             Place(s, 13, 26, 4, 83, 50);
             s.properties.cornerSidesPoints = "6";
             s.targets.polygon = true;
         },
         "   GRAPHIC WIDTH 2\r\n"
         "   sPts = 6\r\n"
         "   RR1  = fDegree2Radian(180/sPts)\r\n"
         "   DIM tPpts13 AS LOCAL PolyArray\r\n"
         "   TYPE SET tPpts13 = fPolygon( 26, 4, 83, 50, RR1, sPts)\r\n"
         "   GRAPHIC POLYGON tPpts13,0,%WHITE,0,0         ' [[  13  ]] \r\n"
         "\r\n"},
        {"ellipse",
         [](DesignState& s) {
             Place(s, 14, 26, 4, 83, 50);
             s.targets.ellipse = true;
         },
         "   GRAPHIC WIDTH 2\r\n"
         "   GRAPHIC ELLIPSE (26, 4) - (83, 50),0,%WHITE,0         ' [[  14  ]] \r\n"
         "\r\n"},
        {"bitmap at natural size is written as at placement",
         [](DesignState& s) {
             Place(s, 12, 15, 4, 200, 50);
             s.bitmapPath = "cat.bmp";
             s.moveMenuKinds.naturalBitmap = true;
         },
         " GRAPHIC RENDER \"cat.bmp\", (15, 4) - (200, 50)         ' [[  12  ]] \r\n"
         "\r\n"},
        {"line step has seven blanks before its tag",
         [](DesignState& s) {
             Place(s, 10, 73, 96, 0, 0);
             s.moveMenuKinds.lineStep = true;
         },
         "   GRAPHIC LINE STEP - (73, 96)       ' [[  10  ]] \r\n"
         "\r\n"},
        {"line without colour and width",
         [](DesignState& s) {
             Place(s, 16, 3, 4, 117, 96);
             s.properties.edgeColor = "";
             s.properties.lineWidth = "";
             s.targets.line = true;
         },
         "   GRAPHIC LINE (3, 4) - (117, 96)        ' ' [[  16  ]] \r\n"
         "\r\n"},
    };
    for (const auto& c : cases) {
        DesignState state;
        c.setUp(state);
        RegenerateStatement(state);
        EXPECT_EQ(state.pendingStatement, c.expected) << c.name;
    }
}

TEST(RegenerateStatement, LinePlacedThenRebuiltWithTheMenuChoice) {
    DesignState state;
    Place(state, 4, 3, 4, 49, 4);
    state.properties.edgeColor = "255";
    state.properties.lineWidth = "6";
    state.targets.line = true;
    EmitStatement(state, ObjectKind::Line);
    EXPECT_EQ(state.pendingStatement,
              "   GRAPHIC COLOR 0\r\n   GRAPHIC WIDTH 2\r\n   GRAPHIC LINE (3, 4) - (49, 4)        "
              "   ' [[  4  ]] \r\n\r\n");
    RegenerateStatement(state);
    EXPECT_EQ(state.pendingStatement,
              "   GRAPHIC COLOR 255\r\n   GRAPHIC WIDTH 6\r\n   GRAPHIC LINE (3, 4) - (49, 4)      "
              "  ' ' [[  4  ]] \r\n\r\n");
}

TEST(RegenerateStatement, TakesTheKindFromTheFirstSetFlag) {
    struct FlagCase {
        std::string name;
        std::function<void(DesignState&)> setFlags;
        std::string expectedStart;  // empty: pendingStatement left as it was
    };
    const std::vector<FlagCase> cases = {
        {"no flag", [](DesignState&) {}, ""},
        {"right-strip text before paint",
         [](DesignState& s) {
             s.targets.text = true;
             s.targets.paint = true;
         },
         ""},
        {"paint before the string tool",
         [](DesignState& s) {
             s.targets.paint = true;
             s.moveMenuKinds.stringTool = true;
         },
         "   GRAPHIC PAINT"},
        {"string tool before star",
         [](DesignState& s) {
             s.moveMenuKinds.stringTool = true;
             s.targets.star = true;
         },
         ""},
        {"star before arc",
         [](DesignState& s) {
             s.targets.star = true;
             s.targets.arc = true;
         },
         "   GRAPHIC WIDTH 2\r\n   sPts"},
        {"arc before pie",
         [](DesignState& s) {
             s.targets.arc = true;
             s.targets.pie = true;
         },
         "   GRAPHIC WIDTH 2\r\n   GRAPHIC ARC"},
        {"pie before box",
         [](DesignState& s) {
             s.targets.pie = true;
             s.targets.rectangle = true;
         },
         "   GRAPHIC WIDTH 2\r\n   GRAPHIC PIE"},
        {"box before polygon",
         [](DesignState& s) {
             s.targets.rectangle = true;
             s.targets.polygon = true;
         },
         "   GRAPHIC WIDTH 2\r\n   GRAPHIC BOX"},
        {"polygon before the natural-size bitmap",
         [](DesignState& s) {
             s.targets.polygon = true;
             s.moveMenuKinds.naturalBitmap = true;
         },
         "   GRAPHIC WIDTH 2\r\n   sPts"},
        {"natural-size bitmap before ellipse",
         [](DesignState& s) {
             s.moveMenuKinds.naturalBitmap = true;
             s.targets.ellipse = true;
         },
         " GRAPHIC RENDER"},
        {"ellipse before line step",
         [](DesignState& s) {
             s.targets.ellipse = true;
             s.moveMenuKinds.lineStep = true;
         },
         "   GRAPHIC WIDTH 2\r\n   GRAPHIC ELLIPSE"},
        {"line step before line",
         [](DesignState& s) {
             s.moveMenuKinds.lineStep = true;
             s.targets.line = true;
         },
         "   GRAPHIC LINE STEP"},
    };
    for (const auto& c : cases) {
        DesignState state;
        state.pendingStatement = "kept";
        c.setFlags(state);
        RegenerateStatement(state);
        if (c.expectedStart.empty()) {
            EXPECT_EQ(state.pendingStatement, "kept") << c.name;
        } else {
            EXPECT_EQ(state.pendingStatement.substr(0, c.expectedStart.size()), c.expectedStart)
                << c.name;
        }
    }
}

}  // namespace
}  // namespace gridlet
