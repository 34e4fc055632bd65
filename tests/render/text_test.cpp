#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "render_fixture.h"

namespace gridlet {
namespace {

// The text block the text tool writes, with a red frame one pixel outside the cells that CHR
// SIZE reports for its three characters.
std::string FramedText(const std::string& face, int style) {
    return "   LOCAL nWidth, nHeight, Xs, Ys AS LONG\r\n"
           "   LOCAL esc, HFONT AS LONG\r\n"
           "   FONT NEW \"" +
           face + "\", 10, " + std::to_string(style) +
           ", 255, 0, esc TO hFont\r\n"
           "   GRAPHIC SET FONT hFont\r\n"
           "   GRAPHIC COLOR %BLACK, %WHITE \r\n"
           "   Xs =  20 : Ys =  20\r\n"
           "   GRAPHIC CHR SIZE TO nWidth, nHeight\r\n"
           "   GRAPHIC SET POS ( Xs,  Ys)\r\n"
           "   GRAPHIC PRINT \"HgW\"\r\n"
           "   GRAPHIC BOX (Xs - 1, Ys - 1) - (Xs + 3 * nWidth + 1, Ys + nHeight + 1),0,255\r\n"
           "   FONT END hfont        ' [[  1  ]] \r\n";
}

struct Inked {
    int pixels = 0;
    int fullRows = 0;  // rows inked across the whole text
};

// Ink strictly inside the frame; fails the test for ink outside it.
Inked InkInsideFrame(const RgbImage& image) {
    int right = 20;
    while (!(image.At(right, 19) == kWhite)) ++right;
    int bottom = 20;
    while (!(image.At(19, bottom) == kWhite)) ++bottom;
    EXPECT_EQ(image.At(19, 19), kRed);
    Inked inked;
    EXPECT_TRUE(AllPixelsOf(image, kBlack, [&](int x, int y) {
        return x >= 20 && x < right - 1 && y >= 20 && y < bottom - 1;
    }));
    for (int y = 20; y < bottom - 1; ++y) {
        int row = 0;
        for (int x = 20; x < right - 1; ++x) row += image.At(x, y) == kBlack;
        inked.pixels += row;
        inked.fullRows += row >= right - 1 - 20 - 1;
    }
    return inked;
}

TEST(PrintTest, StaysInsideTheCellsChrSizeReports) {
    for (const char* face : {"DejaVu Sans Mono", "Lucida console"}) {
        const Inked inked = InkInsideFrame(Drawn(FramedText(face, 0)));
        EXPECT_GT(inked.pixels, 30) << face;
    }
}

struct StyleCase {
    int style;
    int fullRows;
};

void PrintTo(const StyleCase& c, std::ostream* out) {
    *out << "style " << c.style;
}

class FontStyleTest : public testing::TestWithParam<StyleCase> {};

TEST_P(FontStyleTest, LinesAcrossTheTextStayInTheCell) {
    const Inked inked = InkInsideFrame(Drawn(FramedText("DejaVu Sans Mono", GetParam().style)));
    EXPECT_EQ(inked.fullRows > 0, GetParam().fullRows > 0);
    EXPECT_GE(inked.fullRows, GetParam().fullRows);
}

INSTANTIATE_TEST_SUITE_P(Bits, FontStyleTest,
                         testing::Values(StyleCase{0, 0}, StyleCase{4, 1}, StyleCase{8, 1},
                                         StyleCase{12, 2}));

TEST(FontStyleTest, BoldInksMore) {
    const Inked normal = InkInsideFrame(Drawn(FramedText("DejaVu Sans Mono", 0)));
    const Inked bold = InkInsideFrame(Drawn(FramedText("DejaVu Sans Mono", 1)));
    EXPECT_GT(bold.pixels, normal.pixels);
}

TEST(PrintTest, TextBoxTakesTheBackgroundColour) {
    const RgbImage image = Drawn(
        "   GRAPHIC COLOR %BLACK, %RED\r\n"
        "   GRAPHIC SET POS (10, 10)\r\n"
        "   GRAPHIC PRINT \"iii\"\r\n");
    EXPECT_EQ(image.At(10, 10), kRed);
    EXPECT_EQ(image.At(9, 10), kWhite);
    EXPECT_EQ(image.At(10, 9), kWhite);
}

TEST(PrintTest, NextPrintGoesOneLineDown) {
    const RgbImage image = Drawn(
        "   GRAPHIC COLOR %BLACK, %RED\r\n"
        "   GRAPHIC SET POS (10, 10)\r\n"
        "   GRAPHIC PRINT \"i\"\r\n"
        "   GRAPHIC PRINT \"i\"\r\n");
    int bottom = 10;
    while (!(image.At(10, bottom) == kWhite)) ++bottom;
    EXPECT_GT(bottom, 30);  // two rows of an 8-point font
    EXPECT_LT(bottom, 40);
}

// The height of two blank lines printed on red at 10 points.
int TwoLines(const std::string& face) {
    const RgbImage image = Drawn("   FONT NEW \"" + face +
                                 "\", 10, 0, 0, 0, esc TO hFont\r\n"
                                 "   GRAPHIC SET FONT hFont\r\n"
                                 "   GRAPHIC COLOR %BLACK, %RED\r\n"
                                 "   GRAPHIC SET POS (10, 10)\r\n"
                                 "   GRAPHIC PRINT \"  \"\r\n"
                                 "   GRAPHIC PRINT \"  \"\r\n");
    int bottom = 10;
    while (image.At(10, bottom) == kRed) ++bottom;
    return bottom - 10;
}

// A face drawn by a look-alike advances by the em at 96 dots per inch (13 pixels at 10 points);
// one drawn by the face with its metrics, by that face's own line.
TEST(PrintTest, LinesAdvanceByTheNamedFacesOwnLine) {
    for (const char* face : {"Lucida Console", "Consolas", "Tahoma"})
        EXPECT_EQ(TwoLines(face), 2 * 13) << face;
    const struct {
        const char* face;
        const char* compatible;
    } cases[] = {{"Courier New", "Liberation Mono"},
                 {"Arial", "Liberation Sans"},
                 {"Times New Roman", "Liberation Serif"}};
    for (const auto& c : cases) {
        EXPECT_EQ(TwoLines(c.face), TwoLines(c.compatible)) << c.face;
        EXPECT_GT(TwoLines(c.face), 2 * 13) << c.face;
    }
}

// How far the ink of an upright stroke leans right from its foot to its top, in pixels.
double Lean(const RgbImage& image) {
    int top = image.height, bottom = -1;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (!(image.At(x, y) == kBlack)) continue;
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    const auto meanX = [&image](int from, int to) {
        double sum = 0;
        int count = 0;
        for (int y = from; y < to; ++y) {
            for (int x = 0; x < image.width; ++x) {
                if (!(image.At(x, y) == kBlack)) continue;
                sum += x;
                ++count;
            }
        }
        return count == 0 ? 0.0 : sum / count;
    };
    const int third = (bottom - top + 1) / 3;
    return meanX(top, top + third) - meanX(bottom + 1 - third, bottom + 1);
}

// Italic takes the face's italic, or slants the upright face where there is none (the last).
TEST(FontStyleTest, ItalicLeans) {
    for (const char* face : {"Lucida Console", "Consolas", "Courier New", "DejaVu Math TeX Gyre"}) {
        const auto drawn = [face](int style) {
            return Drawn("   FONT NEW \"" + std::string(face) + "\", 40, " + std::to_string(style) +
                         ", 0, 0, esc TO hFont\r\n"
                         "   GRAPHIC SET FONT hFont\r\n"
                         "   GRAPHIC SET POS (30, 10)\r\n"
                         "   GRAPHIC PRINT \"I\"\r\n");
        };
        EXPECT_LT(std::abs(Lean(drawn(0))), 1.0) << face;
        EXPECT_GT(Lean(drawn(2)), 4.0) << face;
    }
}

}  // namespace
}  // namespace gridlet
