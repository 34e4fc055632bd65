#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "render_fixture.h"
#include "support/bmp_file.h"
#include "support/temp_folder.h"

namespace gridlet {
namespace {

struct ColourCase {
    const char* colour;
    Rgb expected;
};

void PrintTo(const ColourCase& c, std::ostream* out) {
    *out << c.colour;
}

class ColourTest : public testing::TestWithParam<ColourCase> {};

TEST_P(ColourTest, ClearPaintsTheBackgroundColour) {
    const RenderResult result = RenderProgram(WindowProgram(
        "   GRAPHIC COLOR 0, " + std::string(GetParam().colour) + "\r\n   GRAPHIC CLEAR\r\n"));
    EXPECT_TRUE(result.notDrawn.empty());
    EXPECT_EQ(result.image.At(0, 0), GetParam().expected);
    EXPECT_EQ(result.image.At(99, 99), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Colours, ColourTest,
    testing::Values(ColourCase{"%BLACK", {0, 0, 0}}, ColourCase{"%WHITE", {255, 255, 255}},
                    ColourCase{"%RED", {255, 0, 0}}, ColourCase{"%GREEN", {0, 255, 0}},
                    ColourCase{"%BLUE", {0, 0, 255}}, ColourCase{"%YELLOW", {255, 255, 0}},
                    ColourCase{"%CYAN", {0, 255, 255}}, ColourCase{"%MAGENTA", {255, 0, 255}},
                    ColourCase{"%GRAY", {128, 128, 128}}, ColourCase{"%LTGRAY", {192, 192, 192}},
                    ColourCase{"%white", {255, 255, 255}},
                    // red in the low byte
                    ColourCase{"255", {255, 0, 0}}, ColourCase{"4227327", {255, 128, 64}}));

TEST(WindowTest, ItsWidthAndHeightGiveThePicture) {
    const RenderResult result = RenderProgram(WindowProgram("", 123, 45));
    EXPECT_EQ(result.kind, PictureKind::Window);
    EXPECT_EQ(result.image.width, 123);
    EXPECT_EQ(result.image.height, 45);
    EXPECT_EQ(result.image.pixels.size(), 123u * 45 * 3);
}

class BitmapTest : public testing::Test {
  protected:
    void SetUp() override {
        WriteBmp(path_, 4, 2);  // grey 127
    }

    TempFolder folder_;
    std::filesystem::path path_ = folder_.path / "picture.bmp";
};

TEST_F(BitmapTest, StretchesIntoItsBox) {
    const RgbImage image = Drawn("   GRAPHIC RENDER \"" + path_.string() +
                                 "\", (10, 10) - (30, 20)        ' [[  1  ]] \r\n");
    const Rgb grey{127, 127, 127};
    EXPECT_EQ(image.At(10, 10), grey);
    EXPECT_EQ(image.At(29, 19), grey);
    EXPECT_EQ(image.At(30, 20), kWhite);
    EXPECT_EQ(image.At(9, 10), kWhite);
}

TEST(BitmapMissingTest, DrawsACrossedBoxAndIsListed) {
    const RenderResult result = RenderProgram(
        WindowProgram("   GRAPHIC RENDER \"/nonexistent/picture.bmp\", (10, 10) - (30, 30)\r\n"));
    ASSERT_EQ(result.notDrawn.size(), 1u);
    EXPECT_EQ(result.notDrawn[0].line, 7);
    EXPECT_EQ(result.image.At(10, 20), kBlack);  // the outline
    EXPECT_EQ(result.image.At(20, 20), kBlack);  // the crossing of the diagonals
    EXPECT_EQ(result.image.At(15, 20), kWhite);
}

// The headers of an uncompressed 24-bit bitmap, with no pixels after them.
std::string BmpHeaders(std::int32_t width, std::int32_t height) {
    std::string bytes = "BM";
    const auto put = [&bytes](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    for (const std::uint32_t value : {0u, 0u, 54u, 40u}) put(value, 4);
    put(static_cast<std::uint32_t>(width), 4);
    put(static_cast<std::uint32_t>(height), 4);
    put(1, 2);
    put(24, 2);
    for (int i = 0; i < 6; ++i) put(0, 4);
    return bytes;
}

// A PNG signature and header chunk claiming the size, then the end chunk.
std::string PngHeaders(std::uint32_t width, std::uint32_t height) {
    std::string bytes = "\x89PNG\r\n\x1A\n";
    const auto put = [&bytes](std::uint32_t value) {
        for (int i = 3; i >= 0; --i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    put(13);
    bytes += "IHDR";
    put(width);
    put(height);
    bytes += std::string("\x08\x02\x00\x00\x00", 5);
    put(0);
    put(0);
    bytes += "IEND";
    put(0);
    return bytes;
}

// Bitmaps that would decode to far more than their files hold are refused before decoding, with
// the reason listed, and the stand-in drawn.
TEST(BitmapBombTest, RefusedWithTheReason) {
    const TempFolder folder;
    const struct {
        const char* name;
        std::string bytes;
        const char* reason;  // a part of it
    } cases[] = {
        {"huge.bmp", BmpHeaders(16000, 16000), "16000 x 16000 pixels: more than 64 megapixels"},
        {"png.bmp", PngHeaders(9000, 9000), "9000 x 9000 pixels: more than 64 megapixels"},
        {"bomb.bmp", BmpHeaders(4000, 4000) + std::string(5000, '\0'),
         "4000 x 4000 pixels from 5054 bytes: more than 1,000 times the file"},
        {"short.bmp", BmpHeaders(100, 100) + std::string(20000, '\x7F'),
         "the file holds 20054 of the 30054 bytes its pixels need"},
    };
    for (const auto& c : cases) {
        folder.Write(c.name, c.bytes);
        const RenderResult result = RenderProgram(WindowProgram(
            "   GRAPHIC RENDER \"" + (folder / c.name) + "\", (10, 10) - (30, 30)\r\n"));
        ASSERT_EQ(result.notDrawn.size(), 1u) << c.name;
        EXPECT_NE(result.notDrawn[0].reason.find(c.reason), std::string::npos)
            << c.name << ": " << result.notDrawn[0].reason;
        EXPECT_EQ(result.image.At(20, 20), kBlack) << c.name << ": the stand-in's cross";
    }
}

struct BadCase {
    const char* name;
    std::string statement;
    const char* reason;  // a part of it
};

void PrintTo(const BadCase& c, std::ostream* out) {
    *out << c.name;
}

class NotDrawnTest : public testing::TestWithParam<BadCase> {};

// The window program's statements start at line 7; a box after the bad line is still drawn.
TEST_P(NotDrawnTest, IsListedWithItsLineAndTheRestIsDrawn) {
    const RenderResult result =
        RenderProgram(WindowProgram("   GRAPHIC WIDTH 1\r\n" + GetParam().statement +
                                    "\r\n   GRAPHIC BOX (10, 10) - (20, 20)\r\n"));
    ASSERT_EQ(result.notDrawn.size(), 1u);
    EXPECT_EQ(result.notDrawn[0].line, 8);
    EXPECT_EQ(result.notDrawn[0].text, GetParam().statement.substr(3));
    EXPECT_NE(result.notDrawn[0].reason.find(GetParam().reason), std::string::npos)
        << result.notDrawn[0].reason;
    EXPECT_EQ(result.image.At(10, 10), kBlack);
}

INSTANTIATE_TEST_SUITE_P(
    Statements, NotDrawnTest,
    testing::Values(
        BadCase{"Unknown", "   GRAPHIC SPLINE (1, 2)", "not understood"},
        BadCase{"UnknownWord", "   FROBNICATE 3", "not understood"},
        BadCase{"StringForANumber", "   GRAPHIC BOX (10, 10) - (20, \"x\")", "number is needed"},
        BadCase{"MissingParenthesis", "   GRAPHIC BOX (10, 10 - (20, 20)", "')' expected"},
        BadCase{"LeftOverText", "   GRAPHIC WIDTH 2 3", "unexpected 3"},
        BadCase{"QuoteInsideAText", "   GRAPHIC PRINT \"say \"hi\" now\"", "unexpected hi"},
        BadCase{"FontTooLarge", "   FONT NEW \"Arial\", 5000 TO hFont", "font size"},
        BadCase{"StringNotClosed", "   GRAPHIC PRINT \"open", "not closed"},
        BadCase{"DivisionByZero", "   GRAPHIC WIDTH 4 / 0", "division by zero"},
        BadCase{"FillStyleOutOfRange", "   GRAPHIC BOX (1, 1) - (5, 5),0,0,0,9", "fill style"},
        BadCase{"PrinterStatementInAWindow", "   XPRINT BOX (1, 1) - (5, 5)", "no printer"},
        BadCase{"PolygonOfTooManyPoints",
                "   DIM t AS LOCAL PolyArray : sPts = 40 : RR1 = 0 : TYPE SET t = "
                "fPolygon(1, 1, 50, 50, RR1, sPts) : GRAPHIC POLYGON t",
                "fewer points than its count"},
        BadCase{"StarWithoutPoints", "   GRAPHIC_Star 1, 1, 50, 50, 0, 10, 10, 40, 40, 0, 0, 0",
                "at least one point"},
        BadCase{"SecondStatementOfALine", "   Xs = 1 : GRAPHIC NONSENSE", "not understood"}));

TEST(NotDrawnTest, OneEntryForEachFailingLineInOrder) {
    const RenderResult result = RenderProgram(WindowProgram(
        "   GRAPHIC BAD 1 : GRAPHIC BAD 2\r\n   GRAPHIC WIDTH 2\r\n   GRAPHIC WORSE\r\n"));
    ASSERT_EQ(result.notDrawn.size(), 2u);
    EXPECT_EQ(result.notDrawn[0].line, 7);
    EXPECT_EQ(result.notDrawn[1].line, 9);
}

TEST(NotDrawnTest, AProgramWithNothingToRunSaysSo) {
    const RenderResult result = RenderProgram("  GLOBAL a AS STRING\r\n");
    ASSERT_EQ(result.notDrawn.size(), 1u);
    EXPECT_EQ(result.notDrawn[0].line, 0);
    EXPECT_EQ(result.kind, PictureKind::None);
    EXPECT_EQ(result.image.width, 0);
}

TEST(NotDrawnTest, AWindowTooLargeIsListed) {
    const RenderResult result = RenderProgram(WindowProgram("", 5000, 100));
    ASSERT_FALSE(result.notDrawn.empty());
    EXPECT_EQ(result.notDrawn[0].line, 3);
    EXPECT_EQ(result.notDrawn[0].reason, "window size out of range");
    EXPECT_EQ(result.kind, PictureKind::None);
}

TEST(NotDrawnTest, DrawingBeforeTheWindowIsListed) {
    const RenderResult result =
        RenderProgram(" SUB GraficWin ()\r\n   GRAPHIC BOX (1, 1) - (5, 5)\r\n END SUB\r\n");
    ASSERT_EQ(result.notDrawn.size(), 1u);
    EXPECT_EQ(result.notDrawn[0].line, 2);
}

}  // namespace
}  // namespace gridlet
