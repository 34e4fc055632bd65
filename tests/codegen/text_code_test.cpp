#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "codegen/font_head.h"
#include "codegen/local_decls.h"
#include "codegen/string_variable.h"
#include "codegen/text_block.h"

namespace gridlet {
namespace {

LogicalFont Font(const std::string& face, int height, int weight, int italic = 0) {
    LogicalFont font;
    font.faceName = face;
    font.height = height;
    font.weight = weight;
    font.italic = static_cast<std::uint8_t>(italic);
    return font;
}

struct FontHeadCase {
    std::string name;
    LogicalFont font;
    std::string edgeColor;
    std::string before;
    std::string expected;
};

TEST(FontHead, WritesSizeStyleCharacterSetAndColours) {
    LogicalFont underlinedStruck = Font("Arial", -16, 400);
    underlinedStruck.underline = 1;
    underlinedStruck.strikeOut = 1;
    underlinedStruck.width = 7;
    const std::vector<FontHeadCase> cases = {
        {"bold italic at height -24", Font("Arial", -24, 700, 1), "0", "",
         "   GRAPHIC COLOR 0,%WHITE\r\n"
         "   FONT NEW \"Arial\",  18,  3,  0,  0, esc TO hFont\r\n"
         "   GRAPHIC SET FONT hFont\r\n\r\n"},
        {"Lucida Console gets 255, -13 is 10 points", Font("Lucida Console", -13, 400), "255", "",
         "   GRAPHIC COLOR 255,%WHITE\r\n"
         "   FONT NEW \"Lucida Console\",  10,  0,  255,  0, esc TO hFont\r\n"
         "   GRAPHIC SET FONT hFont\r\n\r\n"},
        {"consolas in any case, -15 rounds to 11", Font("consolas", -15, 400), "0", "",
         "   GRAPHIC COLOR 0,%WHITE\r\n"
         "   FONT NEW \"consolas\",  11,  0,  255,  0, esc TO hFont\r\n"
         "   GRAPHIC SET FONT hFont\r\n\r\n"},
        {"weight 500 gives style 1 whatever else", Font("Arial", -16, 500, 1), "0", "",
         "   GRAPHIC COLOR 0,%WHITE\r\n"
         "   FONT NEW \"Arial\",  12,  1,  0,  0, esc TO hFont\r\n"
         "   GRAPHIC SET FONT hFont\r\n\r\n"},
        {"underline and strike-out, the width in the pitch place", underlinedStruck, "0", "",
         "   GRAPHIC COLOR 0,%WHITE\r\n"
         "   FONT NEW \"Arial\",  12,  12,  0,  7, esc TO hFont\r\n"
         "   GRAPHIC SET FONT hFont\r\n\r\n"},
        {"no edge colour keeps what the head held", Font("Arial", -16, 400), "",
         "   GRAPHIC COLOR 9,%RED\r\n",
         "   GRAPHIC COLOR 9,%RED\r\n"
         "   FONT NEW \"Arial\",  12,  0,  0,  0, esc TO hFont\r\n"
         "   GRAPHIC SET FONT hFont\r\n\r\n"},
        {"a quote in the face name is doubled", Font("Say \"A\"", -16, 400), "0", "",
         "   GRAPHIC COLOR 0,%WHITE\r\n"
         "   FONT NEW \"Say \"\"A\"\"\",  12,  0,  0,  0, esc TO hFont\r\n"
         "   GRAPHIC SET FONT hFont\r\n\r\n"},
    };
    for (const FontHeadCase& c : cases) {
        EXPECT_EQ(FontHeadFor(c.font, c.before, c.edgeColor, "%WHITE"), c.expected) << c.name;
    }
}

TEST(FontHead, ChosenFontKeepsThePointSize) {
    LogicalFont font = Font("Arial", -24, 700, 1);
    font.strikeOut = 1;
    const ChosenTextFont chosen = ChosenFontOf(font);
    EXPECT_EQ(chosen.pointSize, 18.0f);
    EXPECT_EQ(chosen.weight, 700);
    EXPECT_EQ(chosen.italic, 1);
    EXPECT_EQ(chosen.underline, 0);
    EXPECT_EQ(chosen.strikeOut, 1);
    EXPECT_EQ(chosen.faceName, "Arial");
}

// The chooser turns points into a character height at 96 dots per inch; the head turns it back.
TEST(FontHead, TheSizeWrittenIsThePointSizeChosen) {
    for (int points = 1; points <= 200; ++points) {
        const auto height = static_cast<int>(-std::lround(points * 96.0 / 72.0));
        const LogicalFont font = Font("Arial", height, 400);
        EXPECT_EQ(FontSize(font), points) << height;
        EXPECT_EQ(ChosenFontOf(font).pointSize, static_cast<float>(points)) << height;
    }
    EXPECT_EQ(FontHeadFor(Font("Arial", -19, 400), "", "", "%WHITE"),
              "   FONT NEW \"Arial\",  14,  0,  0,  0, esc TO hFont\r\n"
              "   GRAPHIC SET FONT hFont\r\n\r\n");
}

TEST(FontHead, DefaultOnlyWithoutFontNew) {
    EXPECT_FALSE(HasFontNew("   GRAPHIC COLOR 0,%WHITE\r\n"));
    EXPECT_FALSE(HasFontNew("FONT NEW \"Arial\""));
    EXPECT_TRUE(HasFontNew(kStringDefaultFontHead));
}

TEST(TextLocals, AddedOnceOverTwoTexts) {
    std::string locals = "  LOCAL RR1, RR2 AS EXT\r\n";
    for (int text = 0; text < 2; ++text) locals = AddTextLocals(AddFontLocals(locals));
    EXPECT_EQ(locals,
              "  LOCAL RR1, RR2 AS EXT\r\n"
              "   LOCAL esc, HFONT AS LONG\r\n"
              "   LOCAL nWidth, nHeight, Xs, Ys AS LONG\r\n\r\n");
    EXPECT_EQ(AddFontLocals("   LOCAL hFont AS LONG\r\n"), "   LOCAL hFont AS LONG\r\n")
        << "the font locals are looked for without regard to case";
}

struct WrapCase {
    std::string name;
    std::string text;
    int width;
    std::vector<std::string> lines;
};

TEST(WrapText, CutsAtTheLastBlankWithinTheWidth) {
    const std::vector<WrapCase> cases = {
        {"two words and one", "Hello big world", 10, {"Hello big", "world"}},
        {"a word longer than the width", "abcdefghijkl", 10, {"a", "b", "cdefghijkl"}},
        {"a text as long as the width", "abcdefghij", 10, {"abcdefghij"}},
        {"the rest keeps its leading blank", "Hello big  world", 10, {"Hello big", " world"}},
        {"width zero: a character a line", "abc", 0, {"a", "b", "c"}},
        {"negative width: a character a line", "a b", -4, {"a", "", "b"}},
        {"a typed line break", "one two\r\nthree four", 7, {"one two", "three", "four"}},
        {"an empty typed line stays", "a\r\n\r\nb", 10, {"a", "", "b"}},
        {"blanks around a line break kept", "a  \r\n  b", 10, {"a  ", "  b"}},
    };
    for (const WrapCase& c : cases) EXPECT_EQ(WrapText(c.text, c.width), c.lines) << c.name;
}

struct BlockCase {
    std::string name;
    std::string text;
    int width;
    std::string printed;  // the lines from the first GRAPHIC PRINT to the tag
};

TEST(TextBlock, HeadPositionAndOnePrintPerLine) {
    const std::string head =
        "   FONT NEW \"Lucida console\", 10, 0, 255, 0, esc TO hFont\r\n\r\n"
        "   GRAPHIC SET FONT hFont\r\n"
        "   GRAPHIC COLOR %BLACK, %WHITE \r\n"
        "   Xs =  14 : Ys =  27\r\n"
        "   GRAPHIC CHR SIZE TO nWidth, nHeight\r\n"
        "   GRAPHIC SET POS ( Xs,  Ys)\r\n";
    const std::string lineFeed = "   Ys = Ys + nHeight : GRAPHIC SET POS (Xs, Ys)\r\n";
    const std::string end = "\r\n   FONT END hfont        ' [[  3  ]] \r\n\r\n";
    const std::vector<BlockCase> cases = {
        {"Hello big world in ten", "Hello big world", 10,
         "   GRAPHIC PRINT \"Hello big\"\r\n" + lineFeed + "   GRAPHIC PRINT \"world\"\r\n"},
        {"a quote is doubled", "Say \"hi\"", 20, "   GRAPHIC PRINT \"Say \"\"hi\"\"\"\r\n"},
        {"a typed line break feeds a line", "one\r\ntwo", 20,
         "   GRAPHIC PRINT \"one\"\r\n" + lineFeed + "   GRAPHIC PRINT \"two\"\r\n"},
    };
    for (const BlockCase& c : cases) {
        EXPECT_EQ(TextBlock(kTextDefaultFontHead, {c.text, 14, 27, 3, c.width}),
                  head + c.printed + end)
            << c.name;
    }
}

TEST(StringVariable, DeclarationAssignmentAndPositionPart) {
    EXPECT_EQ(StringGlobalLine("sName"), "  GLOBAL sName AS STRING\r\n");
    std::string assignments;
    for (int counter = 1; counter <= 3; ++counter)
        assignments += StringAssignmentLine("s" + std::to_string(counter), counter);
    EXPECT_EQ(assignments, "    s1 = \"100\"\r\n    s2 = \"200\"\r\n    s3 = \"300\"\r\n");
    EXPECT_EQ(StringPositionPart("0", "%WHITE", 14, -10, "sName"),
              "   GRAPHIC COLOR 0,%WHITE\r\n"
              "   GRAPHIC SET POS (  14, -10)\r\n"
              "   GRAPHIC PRINT sName\r\n\r\n");
}

}  // namespace
}  // namespace gridlet
