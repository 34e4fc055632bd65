// Help's answer to every kind of input in its two states.

#include "help/help_steps.h"

#include <gtest/gtest.h>

namespace gridlet {
namespace {

HelpInput Key(const std::string& text) {
    return {HelpInput::Kind::Key, text, 0, 0};
}
HelpInput LeftClick(int row, int col) {
    return {HelpInput::Kind::LeftClick, "", row, col};
}
const HelpInput kRightClick{HelpInput::Kind::RightClick, "", 0, 0};
const HelpInput kEscape = Key("\x1B");
const std::string kF1("\0;", 2);

constexpr HelpMode kMenu = HelpMode::Menu;
constexpr HelpMode kPage = HelpMode::Page;

struct StepCase {
    const char* what;
    HelpMode mode;
    std::string selection;
    HelpInput input;
    HelpShow show;
    int page;
    std::string selectionAfter;
    HelpMode modeAfter;
};

TEST(HelpSteps, EachInputInEachState) {
    const StepCase cases[] = {
        {"lower-case letter", kMenu, "", Key("a"), HelpShow::Page, 0, "A", kPage},
        {"letter among blanks", kMenu, "", Key("  g "), HelpShow::Page, 6, "G", kPage},
        {"letter of the last entry", kMenu, "", Key("s"), HelpShow::Page, 7, "S", kPage},
        {"key of no entry", kMenu, "B  Create a Window", Key("x"), HelpShow::Nothing, -1, "X",
         kPage},
        {"blank", kMenu, "A", Key(" "), HelpShow::Nothing, -1, "", kPage},
        {"two letters", kMenu, "", Key("ab"), HelpShow::Nothing, -1, "AB", kPage},
        {"F1", kMenu, "C", Key(kF1), HelpShow::Nothing, -1, kF1, kPage},
        {"Escape", kMenu, "C", kEscape, HelpShow::Leave, -1, "C", kMenu},
        {"right click", kMenu, "C", kRightClick, HelpShow::Leave, -1, "C", kMenu},
        {"first entry, first column", kMenu, "", LeftClick(7, 31), HelpShow::Page, 0,
         "A  Introduction", kPage},
        {"last entry, last column", kMenu, "", LeftClick(21, 50), HelpShow::Page, 7, "S  Salvation",
         kPage},
        {"entry whose value differs from its text", kMenu, "", LeftClick(17, 40), HelpShow::Page, 5,
         "F  ARC & Pie Menu", kPage},
        {"between two entries", kMenu, "D  CodeView\\Preview", LeftClick(8, 40), HelpShow::Page, 3,
         "D  CodeView\\Preview", kPage},
        {"left of an entry", kMenu, "", LeftClick(9, 30), HelpShow::Nothing, -1, "", kPage},
        {"right of an entry, after a letter", kMenu, "E", LeftClick(9, 51), HelpShow::Page, 4, "E",
         kPage},
        {"Escape on a page", kPage, "A", kEscape, HelpShow::Menu, -1, "A", kMenu},
        {"right click on a page", kPage, "A", kRightClick, HelpShow::Menu, -1, "A", kMenu},
        {"letter on a page", kPage, "A", Key("b"), HelpShow::Menu, -1, "A", kMenu},
        {"entry click on a page", kPage, "A", LeftClick(9, 31), HelpShow::Menu, -1, "A", kMenu},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(c.what);
        const HelpStep step = NextHelpStep({c.mode, c.selection}, c.input);
        EXPECT_EQ(step.show, c.show);
        if (c.show == HelpShow::Page) {
            EXPECT_EQ(step.page, c.page);
        }
        EXPECT_EQ(step.next.selection, c.selectionAfter);
        if (c.show != HelpShow::Leave) {
            EXPECT_EQ(step.next.mode, c.modeAfter);
        }
    }
}

}  // namespace
}  // namespace gridlet
