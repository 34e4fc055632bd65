#include "interact/strip_buttons.h"

#include <gtest/gtest.h>

#include "model/command_codes.h"

namespace gridlet {
namespace {

// Each pressed look covers its own button's three rows on its own strip.
TEST(StripButtons, PressedLooksLieOnTheirButtons) {
    for (int row = 1; row <= 45; row += 3) {
        for (int col : {5, 86}) {
            const StripButton* button = AreaPhaseButtonAt(row, col);
            ASSERT_NE(button, nullptr) << row << "," << col;
            if (button->pressed == nullptr) continue;
            SCOPED_TRACE(button->pressed->name);
            EXPECT_EQ(button->pressed->topRow, row);
            EXPECT_EQ(button->pressed->bottomRow, row + 2);
            EXPECT_EQ(button->pressed->leftCol, col < 10 ? 1 : 82);
        }
    }
}

TEST(StripButtons, EachPhaseCountsItsOwnColumns) {
    struct Case {
        int row, col;
        const StripButton* area;
        const StripButton* tool;
    };
    const StripButton* build = &RequestButton(AreaRequest::Build);
    const StripButton* exit = &RequestButton(AreaRequest::Exit);
    const StripButton* text = &CommandButton(Strip::Left, kTextCommand);
    const Case cases[] = {
        {45, 1, build, nullptr}, {43, 9, build, nullptr},    {44, 8, build, build},
        {1, 2, text, text},      {46, 5, nullptr, nullptr},  {45, 82, exit, exit},
        {43, 90, exit, exit},    {20, 81, nullptr, nullptr}, {20, 10, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AreaPhaseButtonAt(c.row, c.col), c.area) << c.row << "," << c.col;
        EXPECT_EQ(ToolPhaseButtonAt(c.row, c.col), c.tool) << c.row << "," << c.col;
    }
}

TEST(StripButtons, HintsArePaddedAndOnlyOnTheToolPhaseColumns) {
    EXPECT_EQ(HintAt(45, 86), " Exit the program" + std::string(72, ' '));
    EXPECT_EQ(HintAt(45, 1), "");
    EXPECT_EQ(HintAt(26, 85), "") << "AddStr has no hint";
    EXPECT_EQ(HintAt(46, 5), "");
}

}  // namespace
}  // namespace gridlet
