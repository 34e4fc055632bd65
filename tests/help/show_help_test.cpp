// Help as the user meets it: opened with F1 from the main loop, pages chosen by letter and click,
// the selection kept between openings, and the screen given back as it was.

#include "app/main_loop.h"
#include "help/help_entries.h"
#include "help_fixture.h"

namespace gridlet {
namespace {

class ShowHelpTest : public HelpFixture {
  protected:
    bool MenuShown(const std::vector<Cell>& cells) { return CellsShow(cells, kHelpMenu); }
};

TEST_F(ShowHelpTest, F1AndALowerCaseLetterShowThePageAndTwoEscapesGiveTheScreenBack) {
    const std::string plainGrid = ScreenBytes();
    // A window, so the grid holds marks of the design.
    Click(5, 20);
    Click(15, 39);
    Click(35, 5);
    backend.Script(ExtendedKeyEvent(kScanF1));
    Type("c");
    backend.Script(KeyEvent(kEscKey));
    backend.Script(KeyEvent(kEscKey));
    MainLoop loop(context);
    EXPECT_THROW(loop.Run(), ScriptExhausted);

    const std::vector<Cell>& beforeF1 = ShownWithLeft(4);
    ASSERT_EQ(design.windowExists, 1);
    ASSERT_NE(ScreenBytes(), plainGrid);
    EXPECT_TRUE(MenuShown(ShownWithLeft(3)));
    EXPECT_EQ(PageShown(ShownWithLeft(2)), 2);
    EXPECT_TRUE(MenuShown(ShownWithLeft(1)));
    EXPECT_EQ(PageShown(ShownWithLeft(1)), -1);
    EXPECT_EQ(ShownWithLeft(0), beforeF1);
}

TEST_F(ShowHelpTest, EveryEntryClickedShowsItsPageAndAnyInputBringsTheMenuBack) {
    // Presses without a move before them: help takes the cell the press was made on.
    for (std::size_t i = 0; i < HelpEntries().size(); ++i) {
        backend.Script(PressEvent(HelpEntries()[i].row, i % 2 == 0 ? 31 : 50));
        backend.Script(i % 2 == 0 ? KeyEvent(kEscKey) : PressEvent(40, 80, kRightButton));
    }
    EXPECT_FALSE(RunHelp());
    for (std::size_t i = 0; i < kHelpPages.size(); ++i) {
        SCOPED_TRACE(std::string(kHelpPages[i]->name));
        const std::size_t left = 2 * (kHelpPages.size() - i) - 1;
        EXPECT_EQ(PageShown(ShownWithLeft(left)), static_cast<int>(i));
        EXPECT_TRUE(MenuShown(ShownWithLeft(left - 1)));
        EXPECT_EQ(PageShown(ShownWithLeft(left - 1)), -1);
    }
}

TEST_F(ShowHelpTest, TheLastChoiceIsShownAgainForAClickOffTheEntriesEvenAfterReopening) {
    const std::string before = ScreenBytes();
    Click(9, 40);                                      // B
    Type(" ");                                         // back to the menu
    Click(3, 40);                                      // the title box
    Type(" ");                                         // back to the menu
    Click(30, 70);                                     // off the menu: the choice stays B
    backend.Script(PressEvent(30, 70, kRightButton));  // back to the menu
    backend.Script(PressEvent(30, 70, kRightButton));  // leaves help
    EXPECT_TRUE(RunHelp());
    EXPECT_EQ(ScreenBytes(), before);
    EXPECT_EQ(PageShown(ShownWithLeft(8)), 1);
    EXPECT_EQ(PageShown(ShownWithLeft(5)), 1);
    EXPECT_EQ(PageShown(ShownWithLeft(2)), 1);

    shown.clear();
    Click(44, 2);  // reopened: a click off the entries shows B again
    EXPECT_FALSE(RunHelp());
    EXPECT_EQ(PageShown(ShownWithLeft(0)), 1);
}

TEST_F(ShowHelpTest, AKeyOfNoEntryShowsNothingAndTheNextInputBringsTheMenuBack) {
    const std::string before = ScreenBytes();
    Type("7");
    backend.Script(KeyEvent(kEscKey));  // back to the menu, not out of help
    backend.Script(KeyEvent(kEscKey));
    EXPECT_TRUE(RunHelp());
    EXPECT_EQ(ShownWithLeft(2), ShownWithLeft(3)) << "the key changed the screen";
    EXPECT_TRUE(MenuShown(ShownWithLeft(2)));
    EXPECT_TRUE(MenuShown(ShownWithLeft(1)));
    EXPECT_EQ(ScreenBytes(), before);
}

}  // namespace
}  // namespace gridlet
