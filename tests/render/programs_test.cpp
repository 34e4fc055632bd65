#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "render/support_routines.h"
#include "render_fixture.h"

namespace gridlet {
namespace {

// The PBMAIN the preview adds for a design without string variables.
constexpr const char* kPbMain =
    " FUNCTION PBMAIN () as long\r\n"
    "    GraficWin \r\n"
    "    Graphic Waitkey$\r\n"
    "    Graphic Window End\r\n"
    " END FUNCTION \r\n";

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

TEST(AllToolsProgramTest, RendersWithNothingLeftOut) {
    const std::string clipboard = FileText("tests/e2e/expected/all_tools.bas");
    const RenderResult bare = RenderProgram(clipboard);
    const RenderResult preview = RenderProgram(clipboard + kPbMain);
    for (const RenderResult* result : {&bare, &preview}) {
        EXPECT_TRUE(result->notDrawn.empty());
        EXPECT_EQ(result->kind, PictureKind::Window);
        EXPECT_EQ(result->image.width, 779);
        EXPECT_EQ(result->image.height, 902);
    }
    EXPECT_EQ(bare.image.pixels, preview.image.pixels);
    const RgbImage& image = preview.image;
    EXPECT_EQ(image.At(92, 130), kBlack);  // the box's left edge, 6 wide, centred on x 95
    EXPECT_EQ(image.At(97, 130), kBlack);
    EXPECT_EQ(image.At(91, 130), kWhite);
    EXPECT_EQ(image.At(150, 130), kWhite);  // vertical hatch in white on white
    EXPECT_EQ(image.At(95, 280), kBlack);   // the ellipse's leftmost pixel
    EXPECT_EQ(image.At(200, 372), kBlack);  // the line
    EXPECT_EQ(image.At(200, 380), kWhite);
    EXPECT_EQ(image.At(383, 418), kBlack);  // the star's top tip
    EXPECT_EQ(image.At(383, 480), kWhite);  // inside the star
}

TEST(AllToolsProgramTest, StarIsDrawnThroughThePointsOfItsSupportFunction) {
    const RgbImage image = RenderProgram(FileText("tests/e2e/expected/all_tools.bas")).image;
    const long double outerStart = Degree2Radian(180.0L / 5);
    const long double innerStart = Degree2Radian(360.0L / 5);
    for (const PointF& p : RingPoints(324, 418, 442, 552, outerStart, 5))
        EXPECT_EQ(
            image.At(static_cast<int>(std::nearbyint(p.x)), static_cast<int>(std::nearbyint(p.y))),
            kBlack);
    for (const PointF& p : RingPoints(356, 454, 409, 515, innerStart, 5))
        EXPECT_EQ(
            image.At(static_cast<int>(std::nearbyint(p.x)), static_cast<int>(std::nearbyint(p.y))),
            kBlack);
}

struct DegreeCase {
    long double degree;
    double radian;
};

TEST(SupportRoutineTest, Degree2RadianTurnsThePointsUp) {
    const DegreeCase cases[] = {{22.5L, 1.1780972}, {36, 0.9424778}, {72, 0.3141593},
                                {89, 0.0174533},    {90, 6.2831853}, {0, 1.5707963}};
    for (const DegreeCase& c : cases)
        EXPECT_NEAR(static_cast<double>(Degree2Radian(c.degree)), c.radian, 1e-7) << c.degree;
}

void ExpectPoints(const std::vector<PointF>& points, const std::vector<PointF>& expected) {
    ASSERT_EQ(points.size(), expected.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_NEAR(points[i].x, expected[i].x, 0.005) << i;
        EXPECT_NEAR(points[i].y, expected[i].y, 0.005) << i;
    }
}

TEST(SupportRoutineTest, PolygonPointsOfTheOctagon) {
    const PolyPoints octagon = PolygonPoints(95, 418, 209, 533, Degree2Radian(22.5L), 8);
    EXPECT_EQ(octagon.count, 8);
    ExpectPoints(octagon.points, {{173.81f, 527.66f},
                                  {130.19f, 527.66f},
                                  {99.34f, 496.81f},
                                  {99.34f, 453.19f},
                                  {130.19f, 422.34f},
                                  {173.81f, 422.34f},
                                  {204.66f, 453.19f},
                                  {204.66f, 496.81f}});
}

TEST(SupportRoutineTest, StarRingsRepeatTheirFirstPoint) {
    const std::vector<PointF> outer = RingPoints(324, 418, 442, 552, Degree2Radian(36), 5);
    ExpectPoints(outer, {{417.68f, 539.20f},
                         {348.32f, 539.20f},
                         {326.89f, 464.30f},
                         {383, 418},
                         {439.11f, 464.30f},
                         {417.68f, 539.20f}});
    const std::vector<PointF> inner = RingPoints(356, 454, 409, 515, Degree2Radian(72), 5);
    ExpectPoints({inner.begin() + 1, inner.end()}, {{382, 514},
                                                    {357.27f, 493.27f},
                                                    {366.72f, 459.73f},
                                                    {397.28f, 459.73f},
                                                    {406.73f, 493.27f}});
}

// A box and a star as printer code: the word GRAPHIC replaced by XPRINT in the support
// functions and the statements, attach and scale in place of the window.
std::string PrinterProgram(const std::string& doStringLine = "") {
    return "\r\n" + Replaced(SupportFunctions(), "GRAPHIC", "XPRINT") +
           " SUB GraficWin ()\r\n\r\n"
           "   XPRINT ATTACH CHOOSE \r\n\r\n"
           "    LOCAL RR1, RR2 AS EXT\r\n"
           "  LOCAL sPts AS SINGLE\r\n"
           "  XPRINT SCALE (0,0)-( 801, 1056)\r\n"
           "   XPRINT WIDTH 2\r\n"
           "   XPRINT BOX (26, 4) - (83, 50),0,0,%WHITE,0        ' [[  1  ]] \r\n\r\n"
           "   XPRINT WIDTH 2\r\n"
           "   sPts =  5 \r\n"
           "   RR1  = fDegree2Radian(180/sPts)\r\n"
           "   RR2  = fDegree2Radian(360/sPts)\r\n\r\n"
           "   XPRINT_Star  324,  418,  442,  552, RR1,  356,  454,  409,  515, RR2, sPts,0  "
           "      ' [[  2  ]] \r\n\r\n" +
           doStringLine +
           "   XPRINT FORMFEED\r\n"
           "   XPRINT CLOSE\r\n"
           " END SUB\r\n\r\n" +
           kPbMain;
}

TEST(PrinterProgramTest, DrawsThePage) {
    const RenderResult result = RenderProgram(PrinterProgram());
    EXPECT_TRUE(result.notDrawn.empty());
    EXPECT_EQ(result.kind, PictureKind::PrinterPage);
    EXPECT_EQ(result.image.width, 801);
    EXPECT_EQ(result.image.height, 1056);
    EXPECT_EQ(result.image.At(26, 30), kBlack);
    EXPECT_EQ(result.image.At(50, 30), kWhite);
    EXPECT_EQ(result.image.At(383, 418), kBlack);
}

TEST(PrinterProgramTest, DrawingAfterTheFormFeedIsListed) {
    const RenderResult result = RenderProgram(
        Replaced(PrinterProgram(), "   XPRINT CLOSE\r\n", "   XPRINT BOX (1, 1) - (5, 5)\r\n"));
    ASSERT_EQ(result.notDrawn.size(), 1u);
    EXPECT_EQ(result.notDrawn[0].text, "XPRINT BOX (1, 1) - (5, 5)");
    EXPECT_EQ(result.image.At(1, 1), kWhite);
}

// A string variable placed with the move menu's preview: its GLOBAL line, the DoString routine
// and the assignment in PBMAIN.
std::string StringVariableProgram(const std::string& word) {
    return "  GLOBAL Name1 AS STRING\r\n\r\n"
           " SUB DoString\r\n"
           "   LOCAL esc, hfont, Xs, Ys AS LONG\r\n\r\n"
           "   FONT NEW \"Lucida console\", 10, 0, 255, 0, esc TO hFont\r\n\r\n"
           "   " +
           word +
           " SET FONT hFont\r\n\r\n"
           "   " +
           word +
           " COLOR 0,%WHITE\r\n"
           "   " +
           word +
           " SET POS (  20,  30)\r\n"
           "   " +
           word +
           " PRINT Name1\r\n\r\n"
           "     FONT END hfont\r\n"
           " End SUB\r\n\r\n"
           " SUB GraficWin ()\r\n\r\n"
           "   LOCAL hwin AS LONG \r\n\r\n"
           "   GRAPHIC WINDOW \" Example for PBCC5 or PBwin9 \", 11, 46, 200, 100 TO hWin\r\n"
           "   GRAPHIC ATTACH hWin, 0 \r\n"
           "   GRAPHIC COLOR 0,%WHITE\r\n"
           "   GRAPHIC CLEAR\r\n\r\n"
           " END SUB \r\n\r\n"
           " FUNCTION PBMAIN () as long\r\n"
           "    GraficWin \r\n"
           "    Name1 = \"100\"\r\n"
           "    DoString\r\n"
           "    Graphic Waitkey$\r\n"
           "    Graphic Window End\r\n"
           " END FUNCTION \r\n";
}

TEST(StringVariableProgramTest, PrintsTheValuePbMainAssigns) {
    const RenderResult result = RenderProgram(StringVariableProgram("GRAPHIC"));
    EXPECT_TRUE(result.notDrawn.empty());
    EXPECT_TRUE(AllPixelsOf(result.image, kBlack,
                            [](int x, int y) { return x >= 20 && x < 60 && y >= 30 && y < 50; }));
}

TEST(StringVariableProgramTest, PrinterFormOfItsPrintIsListed) {
    const std::string program = StringVariableProgram("XPRINT");
    const RenderResult result = RenderProgram(
        Replaced(program,
                 "   GRAPHIC WINDOW \" Example for PBCC5 or PBwin9 \", 11, 46, 200, 100 TO hWin\r\n"
                 "   GRAPHIC ATTACH hWin, 0 \r\n   GRAPHIC COLOR 0,%WHITE\r\n   GRAPHIC CLEAR\r\n",
                 "   XPRINT ATTACH CHOOSE \r\n"));
    ASSERT_EQ(result.notDrawn.size(), 1u);
    EXPECT_EQ(result.notDrawn[0].line, 12);
    EXPECT_EQ(result.notDrawn[0].text, "XPRINT PRINT Name1");
}

// The clipboard texts of a text and a string variable, built in a real terminal: the typed text
// is drawn where it was placed, and DoString runs from the PBMAIN the preview adds.
TEST(TextProgramTest, TextAndStringVariableRenderWithNothingLeftOut) {
    const std::string pbMain =
        " FUNCTION PBMAIN () as long\r\n"
        "    GraficWin \r\n"
        "    sName = \"100\"\r\n"
        "    DoString\r\n"
        "    Graphic Waitkey$\r\n"
        "    Graphic Window End\r\n"
        " END FUNCTION \r\n";
    const RenderResult window = RenderProgram(FileText("tests/e2e/expected/text.bas") + pbMain);
    EXPECT_TRUE(window.notDrawn.empty());
    EXPECT_EQ(window.kind, PictureKind::Window);
    // The four lines from (28, 48); the variable's value, 100, from (26, 128).
    const auto inText = [](int x, int y) { return x >= 28 && x < 150 && y >= 48 && y < 120; };
    const auto inValue = [](int x, int y) { return x >= 26 && x < 70 && y >= 128 && y < 150; };
    EXPECT_TRUE(AllPixelsOf(window.image, kBlack,
                            [&](int x, int y) { return inText(x, y) || inValue(x, y); }));
    EXPECT_FALSE(AllPixelsOf(window.image, kBlack, inText)) << "the value is printed too";

    // The printer is closed at the end of GraficWin, so only the routine itself is run here.
    const RenderResult page = RenderProgram(FileText("tests/e2e/expected/text_printer.bas"));
    EXPECT_TRUE(page.notDrawn.empty());
    EXPECT_EQ(page.kind, PictureKind::PrinterPage);
}

}  // namespace
}  // namespace gridlet
