#include "design/arc_menu.h"

#include <utility>
#include <vector>

#include "dialogs/menu_fixture.h"

namespace gridlet {
namespace {

class ArcMenuTest : public MenuFixture {};

struct ArcCase {
    const char* name;
    std::vector<std::pair<int, int>> clicks;
    std::vector<const char*> typedLines;
    const char* start;
    const char* end;
};

void PrintTo(const ArcCase& c, std::ostream* out) {
    *out << c.name;
}

class ArcMenuCases : public ArcMenuTest, public ::testing::WithParamInterface<ArcCase> {};

TEST_P(ArcMenuCases, SetsStartAndEnd) {
    const ArcCase& c = GetParam();
    for (const auto& [row, col] : c.clicks) Click(row, col);
    for (const char* line : c.typedLines) TypeLine(line);
    ArcMenu(context);
    EXPECT_EQ(backend.Pending(), 0u);
    EXPECT_EQ(pass.pending.arcStart, c.start);
    EXPECT_EQ(pass.pending.arcEnd, c.end);
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, ArcMenuCases,
    ::testing::Values(ArcCase{"LTopThenBottom", {{10, 30}, {24, 45}}, {}, "2.355", "4.71"},
                      ArcCase{"SamePresetTwice", {{16, 62}, {16, 73}}, {}, "0", "0"},
                      ArcCase{"PresetThenTypeIn", {{8, 45}, {16, 45}}, {}, "1.57", ""},
                      ArcCase{"TwoMisses", {{8, 60}, {30, 45}}, {}, "", ""},
                      ArcCase{"TypeInFirst", {{13, 59}}, {"1.2", "  3 , 4"}, "1.2", "3"},
                      ArcCase{"MissThenRTop", {{8, 60}, {10, 60}}, {}, ".785", ""},
                      ArcCase{"MissThenTypeIn", {{26, 20}, {20, 35}}, {"", "6.28"}, "", "6.28"},
                      ArcCase{"LeftAndRBottom", {{17, 20}, {23, 70}}, {}, "3.14", "5.495"},
                      ArcCase{"LBottomAndRTop", {{21, 36}, {11, 58}}, {}, "3.925", ".785"},
                      // The first band that holds a click decides: beside Top and beside R-Bottom.
                      ArcCase{"BandsBesideTheirButtons", {{10, 45}, {21, 57}}, {}, "", ""},
                      ArcCase{"ColumnBandBeforeRowBand", {{21, 45}, {23, 41}}, {}, "4.71", ""}),
    [](const ::testing::TestParamInfo<ArcCase>& tested) { return std::string(tested.param.name); });

TEST_F(ArcMenuTest, APresetShowsPressedForThreeHundredMillisecondsAndThePanelStays) {
    Click(8, 45);
    Click(10, 66);
    ArcMenu(context);
    EXPECT_TRUE(Shows(kArcRTopPressed));
    EXPECT_EQ(RowText(13, 37, 56), "Click this Button to");
    EXPECT_GE(clock.TimeOfDayMs(), 600);
}

TEST_F(ArcMenuTest, TheSecondClickFindsTheFirstPresetRaisedAgain) {
    Click(8, 45);
    EXPECT_THROW(ArcMenu(context), ScriptExhausted);
    EXPECT_TRUE(Shows(kArcMenu));
}

TEST_F(ArcMenuTest, TheNumbersAreTypedAtTheEntryPanel) {
    Click(16, 45);
    TypeLine("0.5");
    Type("9");
    EXPECT_THROW(ArcMenu(context), ScriptExhausted);
    EXPECT_EQ(RowText(15, 38, 54), "First number  0.5");
    EXPECT_EQ(RowText(17, 38, 52), "Second number 9");
    // The typed numbers show in the panel's blue text, not light grey on light grey.
    EXPECT_EQ(AttrAt(15, 54), 0x71);
    EXPECT_EQ(AttrAt(17, 52), 0x71);
}

}  // namespace
}  // namespace gridlet
