#include <gtest/gtest.h>

#include <string>

#include "render_fixture.h"

namespace gridlet {
namespace {

std::string FilledBox(int style, int left, int top) {
    return "   GRAPHIC BOX (" + std::to_string(left) + ", " + std::to_string(top) + ") - (" +
           std::to_string(left + 40) + ", " + std::to_string(top + 40) + "),0,0,255," +
           std::to_string(style) + "\r\n";
}

struct HatchCase {
    int style;
    // The step along which a hatch line runs, and whether a second family crosses it.
    int dx;
    int dy;
};

void PrintTo(const HatchCase& c, std::ostream* out) {
    *out << "style " << c.style;
}

class HatchTest : public testing::TestWithParam<HatchCase> {};

TEST_P(HatchTest, LandsOnTheSamePixelsWhereverTheBoxLies) {
    const int style = GetParam().style;
    const RgbImage first = Drawn(FilledBox(style, 10, 10));
    const RgbImage second = Drawn(FilledBox(style, 13, 15));
    int lines = 0;
    int gaps = 0;
    for (int y = 16; y < 49; ++y) {  // inside both boxes' edges
        for (int x = 14; x < 49; ++x) {
            ASSERT_EQ(first.At(x, y), second.At(x, y)) << x << "," << y;
            (first.At(x, y) == kRed ? lines : gaps) += 1;
            ASSERT_TRUE(first.At(x, y) == kRed || first.At(x, y) == kWhite);
        }
    }
    EXPECT_GT(lines, 0);
    EXPECT_GT(gaps, lines);
}

TEST_P(HatchTest, LinesRunInTheirDirection) {
    const HatchCase& c = GetParam();
    const RgbImage image = Drawn(FilledBox(c.style, 10, 10));
    EXPECT_TRUE(AllPixelsOf(image, kRed, [&](int x, int y) {
        const bool inside = x > 12 && x < 47 && y > 12 && y < 47;
        return !inside || image.At(x + c.dx, y + c.dy) == kRed;
    }));
}

INSTANTIATE_TEST_SUITE_P(Styles, HatchTest,
                         testing::Values(HatchCase{1, 1, 0}, HatchCase{2, 0, 1},
                                         HatchCase{3, 1, -1}, HatchCase{4, 1, 1}));

TEST(HatchTest, CrossesHaveBothFamilies) {
    const RgbImage cross = Drawn(FilledBox(5, 10, 10));
    const RgbImage diagonal = Drawn(FilledBox(6, 10, 10));
    int crossRows = 0, crossColumns = 0, upward = 0, downward = 0;
    for (int i = 13; i < 40; ++i) {
        crossRows += cross.At(20, i) == kRed && cross.At(21, i) == kRed;
        crossColumns += cross.At(i, 20) == kRed && cross.At(i, 21) == kRed;
        upward += diagonal.At(i, 30) == kRed && diagonal.At(i + 1, 29) == kRed;
        downward += diagonal.At(i, 30) == kRed && diagonal.At(i + 1, 31) == kRed;
    }
    EXPECT_GT(crossRows, 0);
    EXPECT_GT(crossColumns, 0);
    EXPECT_GT(upward, 0);
    EXPECT_GT(downward, 0);
}

TEST(HatchTest, GapsTakeTheBackgroundColour) {
    const RgbImage image = Drawn("   GRAPHIC COLOR 0, %BLUE\r\n" + FilledBox(1, 10, 10));
    EXPECT_EQ(image.At(30, 31), (Rgb{0, 0, 255}));
    EXPECT_EQ(image.At(5, 5), kWhite);  // the window was cleared before the colour changed
}

constexpr const char* kClosedBox = "   GRAPHIC BOX (10, 10) - (40, 40)\r\n";

TEST(PaintTest, StopsAtItsBorderColour) {
    const RgbImage image = Drawn(std::string(kClosedBox) + "   GRAPHIC PAINT (20, 20),255,0,0\r\n");
    EXPECT_EQ(image.At(11, 11), kRed);
    EXPECT_EQ(image.At(38, 38), kRed);
    EXPECT_EQ(image.At(10, 10), kBlack);
    EXPECT_EQ(image.At(60, 60), kWhite);
    EXPECT_EQ(image.At(5, 20), kWhite);
}

TEST(PaintTest, LeaksThroughAOnePixelGap) {
    const RgbImage image = Drawn(std::string(kClosedBox) +
                                 "   GRAPHIC LINE (25, 10) - (26, 10), %WHITE\r\n"
                                 "   GRAPHIC PAINT (20, 20),255,0,0\r\n");
    EXPECT_EQ(image.At(25, 10), kRed);
    EXPECT_EQ(image.At(60, 60), kRed);
    EXPECT_EQ(image.At(10, 10), kBlack);
}

TEST(PaintTest, DoesNotCrossADiagonalStep) {
    const RgbImage image = Drawn(
        "   GRAPHIC LINE (0, 20) - (20, 0)\r\n"
        "   GRAPHIC LINE (20, 0) - (21, 0)\r\n"
        "   GRAPHIC PAINT (2, 2),255,0,0\r\n");
    EXPECT_EQ(image.At(2, 2), kRed);
    EXPECT_EQ(image.At(30, 30), kWhite);
}

TEST(PaintTest, SeedOnTheBorderPaintsNothing) {
    const RgbImage image = Drawn(std::string(kClosedBox) + "   GRAPHIC PAINT (10, 20),255,0,0\r\n");
    EXPECT_EQ(image.At(20, 20), kWhite);
    EXPECT_EQ(image.At(60, 60), kWhite);
}

TEST(PaintTest, HatchedPaintKeepsTheOriginAnchor) {
    const RgbImage painted =
        Drawn(std::string(kClosedBox) + "   GRAPHIC PAINT (20, 20),255,0,2\r\n");
    const RgbImage boxed = Drawn("   GRAPHIC BOX (10, 10) - (40, 40),0,0,255,2\r\n");
    for (int x = 11; x < 39; ++x) EXPECT_EQ(painted.At(x, 25), boxed.At(x, 25)) << x;
}

// Fills keep their marks between them: a fill must still reach pixels that one of the hundreds
// of fills before it found and none since has.
TEST(PaintTest, AFillReachesWhatAFarEarlierFillFound) {
    for (const int between : {254, 255, 256}) {
        std::string program = std::string(kClosedBox) + "   GRAPHIC PAINT (20, 20),255,0,0\r\n";
        for (int i = 0; i < between; ++i)
            program +=
                "   GRAPHIC PAINT (60, 60)," + std::to_string(i % 2 ? 255 : 16711680) + ",0,0\r\n";
        program += "   GRAPHIC PAINT (20, 20),65280,0,0\r\n";
        const RgbImage image = Drawn(program);
        EXPECT_EQ(image.At(11, 11), (Rgb{0, 255, 0})) << between;
        EXPECT_EQ(image.At(38, 38), (Rgb{0, 255, 0})) << between;
    }
}

struct KnownAreaCase {
    const char* name;
    std::string statements;  // after the closed box and a red paint of the area around it
    int x;
    int y;
    Rgb expected;
};

void PrintTo(const KnownAreaCase& c, std::ostream* out) {
    *out << c.name;
}

class KnownAreaTest : public testing::TestWithParam<KnownAreaCase> {};

// A fill from inside an area an earlier fill found finds what a search would find now.
TEST_P(KnownAreaTest, AFillFindsTheAreaAsItIsNow) {
    const KnownAreaCase& c = GetParam();
    const RgbImage image =
        Drawn(std::string(kClosedBox) + "   GRAPHIC PAINT (60, 60),255,0,0\r\n" + c.statements);
    EXPECT_EQ(image.At(c.x, c.y), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Sequences, KnownAreaTest,
                         testing::Values(KnownAreaCase{"AnotherAreaPaintedBetween",
                                                       "   GRAPHIC PAINT (20, 20),65280,0,0\r\n"
                                                       "   GRAPHIC PAINT (60, 60),16711680,0,3\r\n",
                                                       20, 20, Rgb{0, 255, 0}},
                                         KnownAreaCase{"SameAreaAgainHatched",
                                                       "   GRAPHIC PAINT (20, 20),65280,0,0\r\n"
                                                       "   GRAPHIC PAINT (60, 60),16711680,0,1\r\n",
                                                       5, 0, Rgb{0, 0, 255}},
                                         KnownAreaCase{"ALineSplitsTheArea",
                                                       "   GRAPHIC LINE (50, -5) - (50, 105)\r\n"
                                                       "   GRAPHIC PAINT (60, 60),65280,0,0\r\n",
                                                       5, 5, kRed},
                                         KnownAreaCase{"TheAreaPaintedInItsBorderColour",
                                                       "   GRAPHIC PAINT (60, 60),0,0,0\r\n"
                                                       "   GRAPHIC PAINT (60, 60),65280,0,0\r\n",
                                                       60, 60, kBlack},
                                         KnownAreaCase{"ABoxEdgeRepaintedUnderAnotherBorder",
                                                       "   GRAPHIC PAINT (20, 20),65280,255,0\r\n"
                                                       "   GRAPHIC PAINT (60, 60),16711680,0,0\r\n",
                                                       20, 20, Rgb{0, 0, 255}},
                                         KnownAreaCase{
                                             "TheAreaReplacedByTheBorderColour",
                                             "   GRAPHIC PAINT REPLACE (60, 60),0,255,0\r\n"
                                             "   GRAPHIC PAINT (60, 60),65280,0,0\r\n",
                                             60, 60, kBlack}));

struct EnclosureCase {
    const char* name;
    std::string outline;
};

void PrintTo(const EnclosureCase& c, std::ostream* out) {
    *out << c.name;
}

class PaintInsideTest : public testing::TestWithParam<EnclosureCase> {};

// Outlines of width 1 leave no gap a 4-connected paint could leak through.
TEST_P(PaintInsideTest, FillsTheShapeAndNothingOutside) {
    const RgbImage image = Drawn("   GRAPHIC WIDTH 1\r\n" + GetParam().outline +
                                 "   GRAPHIC PAINT (50, 50),255,0,0\r\n");
    EXPECT_EQ(image.At(50, 50), kRed);
    EXPECT_EQ(image.At(1, 1), kWhite);
    EXPECT_EQ(image.At(98, 98), kWhite);
    EXPECT_EQ(image.At(1, 98), kWhite);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, PaintInsideTest,
    testing::Values(
        EnclosureCase{"Ellipse", "   GRAPHIC ELLIPSE (7, 23) - (93, 71)\r\n"},
        EnclosureCase{"RoundedBox", "   GRAPHIC BOX (11, 13) - (89, 87),60\r\n"},
        EnclosureCase{"Pie", "   GRAPHIC PIE (-30, 5) - (95, 95), 3.5, 2.8, 0\r\n"},
        EnclosureCase{"Polygon",
                      "   sPts = 7 : RR1 = fDegree2Radian(180/sPts)\r\n"
                      "   DIM t AS LOCAL PolyArray\r\n"
                      "   TYPE SET t = fPolygon( 5, 9, 95, 91, RR1, sPts)\r\n"
                      "   GRAPHIC POLYGON t\r\n"},
        EnclosureCase{
            "Star",
            "   sPts = 5 : RR1 = fDegree2Radian(180/sPts) : RR2 = "
            "fDegree2Radian(360/sPts)\r\n"
            "   GRAPHIC_Star  5,  5,  95,  95, RR1,  30,  30,  70,  70, RR2, sPts,0\r\n"}));

TEST(PaintReplaceTest, FillsTheConnectedAreaOfTheSeedsColour) {
    const RgbImage image = Drawn(std::string(kClosedBox) +
                                 "   GRAPHIC GET PIXEL ( 60,  60) TO lRes& \r\n"
                                 "   GRAPHIC PAINT REPLACE (60, 60),255, lRes&, 0\r\n");
    EXPECT_EQ(image.At(60, 60), kRed);
    EXPECT_EQ(image.At(5, 5), kRed);
    EXPECT_EQ(image.At(10, 10), kBlack);
    EXPECT_EQ(image.At(20, 20), kWhite);  // white too, but not connected
}

}  // namespace
}  // namespace gridlet
