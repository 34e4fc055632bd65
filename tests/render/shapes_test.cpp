#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render_fixture.h"

namespace gridlet {
namespace {

struct PixelCase {
    const char* name;
    std::string statements;
    std::vector<std::pair<int, int>> black;
    std::vector<std::pair<int, int>> white;
    std::vector<std::pair<int, int>> red;
};

void PrintTo(const PixelCase& c, std::ostream* out) {
    *out << c.name;
}

class ShapePixelsTest : public testing::TestWithParam<PixelCase> {};

TEST_P(ShapePixelsTest, ColoursThePixelsTheRulesGive) {
    const PixelCase& c = GetParam();
    const RgbImage image = Drawn(c.statements);
    for (const auto& [x, y] : c.black) EXPECT_EQ(image.At(x, y), kBlack) << x << "," << y;
    for (const auto& [x, y] : c.white) EXPECT_EQ(image.At(x, y), kWhite) << x << "," << y;
    for (const auto& [x, y] : c.red) EXPECT_EQ(image.At(x, y), kRed) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, ShapePixelsTest,
    testing::Values(PixelCase{"RightAndBottomExclusive",
                              "   GRAPHIC BOX (10, 10) - (20, 20)\r\n",
                              {{10, 10}, {19, 19}, {19, 10}, {10, 19}},
                              {{20, 20}, {20, 15}, {15, 20}, {15, 15}},
                              {}},
                    PixelCase{"CornersGivenReversed",
                              "   GRAPHIC BOX (20, 20) - (10, 10)\r\n",
                              {{10, 10}, {19, 19}},
                              {{20, 20}},
                              {}},
                    PixelCase{"SolidFillInsideTheEdge",
                              "   GRAPHIC BOX (10, 10) - (20, 20),0,0,255,0\r\n",
                              {{10, 15}, {19, 15}},
                              {{20, 15}},
                              {{11, 11}, {18, 18}}},
                    PixelCase{"FillMinusOneTakesTheEdgeColour",
                              "   GRAPHIC BOX (10, 10) - (20, 20),0,255,-1,0\r\n",
                              {},
                              {{20, 20}},
                              {{10, 10}, {15, 15}, {19, 19}}},
                    PixelCase{"FillMinusTwoLeavesTheInside",
                              "   GRAPHIC BOX (10, 10) - (30, 30),0,255,%RED,0\r\n"
                              "   GRAPHIC BOX (10, 10) - (30, 30),0,0,-2,0\r\n",
                              {{10, 10}},
                              {},
                              {{20, 20}}},
                    PixelCase{"WidthThreeCentredOnTheEdge",
                              "   GRAPHIC WIDTH 3\r\n   GRAPHIC BOX (10, 10) - (30, 30)\r\n",
                              {{9, 20}, {10, 20}, {11, 20}, {28, 20}, {29, 20}, {30, 20}},
                              {{8, 20}, {12, 20}, {27, 20}, {31, 20}},
                              {}},
                    PixelCase{"FullRoundingIsAnEllipse",
                              "   GRAPHIC BOX (10, 10) - (51, 31),100\r\n",
                              {{10, 20}, {30, 10}, {50, 20}, {30, 30}},
                              {{11, 11}, {49, 29}},
                              {}},
                    PixelCase{"SmallRoundingKeepsTheSidesStraight",
                              "   GRAPHIC BOX (10, 10) - (50, 50),20\r\n",
                              {{10, 30}, {30, 10}},
                              {{10, 10}, {49, 49}},
                              {}}));

INSTANTIATE_TEST_SUITE_P(Ellipses, ShapePixelsTest,
                         testing::Values(PixelCase{"ExtremesInsideTheRectangle",
                                                   "   GRAPHIC ELLIPSE (10, 10) - (31, 21)\r\n",
                                                   {{10, 15}, {30, 15}, {20, 10}, {20, 20}},
                                                   {{31, 15}, {20, 21}, {10, 10}, {20, 15}},
                                                   {}},
                                         PixelCase{
                                             "Filled",
                                             "   GRAPHIC ELLIPSE (10, 10) - (31, 21),0,255,0\r\n",
                                             {{10, 15}},
                                             {{10, 10}},
                                             {{20, 15}}}));

INSTANTIATE_TEST_SUITE_P(
    Lines, ShapePixelsTest,
    testing::Values(
        PixelCase{"EndPixelLeftOut",
                  "   GRAPHIC LINE (10, 10) - (20, 10)\r\n",
                  {{10, 10}, {19, 10}},
                  {{20, 10}, {9, 10}},
                  {}},
        PixelCase{"DiagonalEndPixelLeftOut",
                  "   GRAPHIC LINE (10, 10) - (20, 20)\r\n",
                  {{10, 10}, {15, 15}, {19, 19}},
                  {{20, 20}},
                  {}},
        PixelCase{"StepGoesOnFromTheLastPoint",
                  "   GRAPHIC LINE (10, 10) - (20, 10)\r\n   GRAPHIC LINE STEP - (20, 30)\r\n",
                  {{20, 10}, {20, 29}},
                  {{20, 30}},
                  {}},
        PixelCase{"StepStartsAtSetPos",
                  "   GRAPHIC SET POS (40, 40)\r\n   GRAPHIC LINE STEP - (50, 40)\r\n",
                  {{40, 40}, {49, 40}},
                  {{50, 40}},
                  {}},
        PixelCase{"SecondStepIsAnOffset",
                  "   GRAPHIC LINE (10, 10) - STEP (5, 0)\r\n",
                  {{14, 10}},
                  {{15, 10}},
                  {}},
        PixelCase{"ColourArgument",
                  "   GRAPHIC LINE (10, 10) - (20, 10), 255\r\n",
                  {},
                  {{20, 10}},
                  {{10, 10}}},
        PixelCase{"DottedAtWidthOne",
                  "   GRAPHIC STYLE 2\r\n   GRAPHIC LINE (10, 10) - (30, 10)\r\n",
                  {{10, 10}, {12, 10}, {16, 10}},
                  {{13, 10}, {15, 10}},
                  {}},
        PixelCase{"WidthTwoCoversTheRowAbove",
                  "   GRAPHIC WIDTH 2\r\n   GRAPHIC LINE (10, 40) - (30, 40)\r\n",
                  {{20, 39}, {20, 40}},
                  {{20, 38}, {20, 41}},
                  {}},
        PixelCase{"NoDashesWhenWider",
                  "   GRAPHIC STYLE 2\r\n   GRAPHIC WIDTH 2\r\n   GRAPHIC LINE (10, 10) - (30, "
                  "10)\r\n",
                  {{13, 10}, {14, 10}, {15, 10}},
                  {},
                  {}}));

// fPolygon's four points on the circle of radius 20 about (30, 30), from three o'clock.
INSTANTIATE_TEST_SUITE_P(Polygons, ShapePixelsTest,
                         testing::Values(PixelCase{
                             "DiamondThroughItsVertices",
                             "   sPts = 4 : RR1 = 0\r\n"
                             "   DIM tPpts1 AS LOCAL PolyArray\r\n"
                             "   TYPE SET tPpts1 = fPolygon( 10, 10, 50, 50, RR1, sPts)\r\n"
                             "   GRAPHIC POLYGON tPpts1,0,255,0,0\r\n",
                             {{50, 30}, {30, 50}, {10, 30}, {30, 10}, {40, 20}},
                             {{51, 30}, {12, 12}, {48, 48}},
                             {{30, 30}, {45, 30}, {30, 15}}}));

INSTANTIATE_TEST_SUITE_P(
    Pies, ShapePixelsTest,
    testing::Values(PixelCase{"QuarterFromThreeToTwelve",
                              "   GRAPHIC PIE (10, 10) - (51, 51), 0, 1.5708, 0, 255, 0\r\n",
                              {{30, 30}, {50, 30}, {30, 10}},
                              {{20, 40}, {40, 40}, {20, 20}},
                              {{40, 20}}},
                    PixelCase{"EqualAnglesTheWholeEllipse",
                              "   GRAPHIC PIE (10, 10) - (51, 51), 1, 1, 0, 255, 0\r\n",
                              {{10, 30}, {30, 50}},
                              {},
                              {{20, 40}, {40, 40}}}));

// A sweep of one whole turn, as 2 pi is written to four places: the whole ellipse, and a pie
// without the radius that a sweep from three o'clock would end on.
INSTANTIATE_TEST_SUITE_P(
    FullTurns, ShapePixelsTest,
    testing::Values(PixelCase{"ArcFromZero",
                              "   GRAPHIC ARC (10, 10) - (51, 51), 0, 6.2832\r\n",
                              {{10, 30}, {30, 10}, {50, 30}, {30, 50}},
                              {{30, 30}, {40, 30}},
                              {}},
                    PixelCase{"ArcFromNineOClock",
                              "   GRAPHIC ARC (10, 10) - (51, 51), 3.1416, 9.4248\r\n",
                              {{10, 30}, {30, 10}, {50, 30}, {30, 50}},
                              {{30, 30}, {20, 30}},
                              {}},
                    PixelCase{"PieFromZeroAFilledEllipse",
                              "   GRAPHIC PIE (10, 10) - (51, 51), 0, 6.2832, 0, 255, 0\r\n",
                              {{10, 30}, {30, 10}, {50, 30}, {30, 50}},
                              {},
                              {{30, 30}, {40, 30}, {20, 40}, {40, 20}}}));

struct Quarter {
    const char* name;
    double start;
    double end;
    bool right;  // of the centre
    bool upper;
};

void PrintTo(const Quarter& q, std::ostream* out) {
    *out << q.name;
}

class ArcTest : public testing::TestWithParam<Quarter> {};

// Centre (30, 30), radius 20: every pixel of an arc over one quarter lies in that quarter.
TEST_P(ArcTest, StaysInItsQuarter) {
    const Quarter& q = GetParam();
    const RgbImage image = Drawn("   GRAPHIC ARC (10, 10) - (51, 51), " + std::to_string(q.start) +
                                 ", " + std::to_string(q.end) + "\r\n");
    EXPECT_TRUE(AllPixelsOf(image, kBlack, [&](int x, int y) {
        return (q.right ? x >= 30 : x <= 30) && (q.upper ? y <= 30 : y >= 30);
    }));
}

INSTANTIATE_TEST_SUITE_P(Quarters, ArcTest,
                         testing::Values(Quarter{"UpperRight", 0, 1.57, true, true},
                                         Quarter{"UpperLeft", 1.571, 3.14, false, true},
                                         Quarter{"LowerLeft", 3.1416, 4.71, false, false},
                                         Quarter{"LowerRightAcrossZero", 4.7124, 6.2831, true,
                                                 false}));

}  // namespace
}  // namespace gridlet
