#include "design/select_area.h"

#include "all_images.h"
#include "support/console_fixture.h"

namespace gridlet {
namespace {

class SelectAreaTest : public ConsoleFixture {
  protected:
    void SetUp() override { PaintMainScreen(screen); }

    void MakeWindow(int top, int left, int bottom, int right) {
        design.windowExists = 1;
        design.windowTopRow = top;
        design.windowLeftCol = left;
        design.windowBottomRow = bottom;
        design.windowRightCol = right;
    }
};

TEST_F(SelectAreaTest, ReadoutHoldsTheColumnWidthInSinglePrecision) {
    struct Case {
        int right;
        const char* readout;
    };
    for (const Case& c : {Case{39, " 228 X 71"}, Case{59, " 457 X 71"}}) {
        Click(5, 20);
        Click(6, c.right);
        ASSERT_EQ(SelectArea(context), AreaOutcome::Marked);
        EXPECT_EQ(RowText(46, 1, 9), c.readout);
        EXPECT_EQ(AttrAt(46, 2), 0x81);
        EXPECT_EQ(pass.AreaRight, c.right);
        PaintMainScreen(screen);
    }
}

TEST_F(SelectAreaTest, WindowReadoutAndBandShape) {
    MakeWindow(2, 15, 40, 70);
    Click(5, 20);
    Click(8, 30);
    ASSERT_EQ(SelectArea(context), AreaOutcome::Marked);
    EXPECT_EQ(RowText(46, 1, 9), " 119 X 92");
    EXPECT_EQ(AttrAt(46, 2), 0x74);
    EXPECT_EQ(RowText(5, 20, 30), std::string(1, '\xDB') + std::string(9, '\xDF') + '\xDB');
    EXPECT_EQ(RowText(8, 20, 30), std::string(1, '\xDB') + std::string(9, '\xDC') + '\xDB');
    EXPECT_EQ(RowText(6, 20, 20), "\xDB");
    EXPECT_EQ(AttrAt(6, 30), 0x82);
}

TEST_F(SelectAreaTest, OneCellAreaIsOneShadeWithoutReadout) {
    const std::string hintRow = RowText(46);
    Click(5, 20);
    backend.Script(PressEvent(5, 20));
    ASSERT_EQ(SelectArea(context), AreaOutcome::Marked);
    EXPECT_EQ(pass.AreaTop, pass.AreaBottom);
    EXPECT_EQ(pass.AreaLeft, pass.AreaRight);
    EXPECT_EQ(RowText(5, 20, 21),
              std::string("\xB2") + static_cast<char>(console.CellAt(5, 21).ch));
    EXPECT_EQ(AttrAt(5, 20), 0x81);
    EXPECT_EQ(RowText(46), hintRow);
}

// The band's first cell is on the terminal while the program waits for the pointer to move.
TEST_F(SelectAreaTest, FirstCornerShowsBeforeTheNextEvent) {
    Cell shown{};
    backend.onPresent = [&shown](const ScreenState& screenShown) {
        shown = screenShown.cells[(5 - 1) * kScreenWidth + (20 - 1)];
    };
    Click(5, 20);
    EXPECT_THROW(SelectArea(context), ScriptExhausted);
    EXPECT_EQ(shown, (Cell{0xB2, 0x81}));
}

TEST_F(SelectAreaTest, OneColumnBandWithWindowMarksBothEnds) {
    MakeWindow(2, 15, 40, 70);
    Click(5, 20);
    Click(9, 20);
    ASSERT_EQ(SelectArea(context), AreaOutcome::Marked);
    EXPECT_EQ(console.CellAt(5, 20).ch, 0xB2);
    EXPECT_EQ(console.CellAt(9, 20).ch, 0xB2);
    EXPECT_EQ(AttrAt(9, 20), 0x74);
    EXPECT_EQ(console.CellAt(7, 20).ch, 0xDB);
}

TEST_F(SelectAreaTest, UpwardDragBecomesOneRow) {
    Click(10, 20);
    Click(5, 25);
    ASSERT_EQ(SelectArea(context), AreaOutcome::Marked);
    EXPECT_EQ(pass.AreaTop, 10);
    EXPECT_EQ(pass.AreaBottom, 10);
}

TEST_F(SelectAreaTest, BeforeTheWindowColumnTenAndRowFortySixTakeAFirstCorner) {
    Click(5, 10);
    Click(6, 20);
    ASSERT_EQ(SelectArea(context), AreaOutcome::Marked);
    EXPECT_EQ(pass.AreaLeft, 10);
    Click(46, 30);
    Click(46, 40);
    ASSERT_EQ(SelectArea(context), AreaOutcome::Marked);
    EXPECT_EQ(pass.AreaTop, 46);
}

TEST_F(SelectAreaTest, GoingThreeColumnsLeftDropsTheFirstCornerUntilANewClick) {
    Click(5, 30);
    backend.Script(MoveEvent(5, 27));
    backend.Script(MoveEvent(7, 35));   // back to the right: no band, no corner
    backend.Script(PressEvent(7, 35));  // the new first corner
    Click(9, 40);
    ASSERT_EQ(SelectArea(context), AreaOutcome::Marked);
    EXPECT_EQ(pass.AreaTop, 7);
    EXPECT_EQ(pass.AreaLeft, 35);
    EXPECT_EQ(pass.AreaBottom, 9);
    EXPECT_EQ(pass.AreaRight, 40);
}

TEST_F(SelectAreaTest, ARightClickAfterADroppedCornerLeavesNoArea) {
    Click(5, 30);
    backend.Script(MoveEvent(6, 27));
    Click(20, 40, kRightButton);
    ASSERT_EQ(SelectArea(context), AreaOutcome::Nothing);
    EXPECT_EQ(pass.AreaTop, 0);
    EXPECT_EQ(pass.AreaLeft, 0);
    EXPECT_EQ(pass.AreaBottom, 0);
    EXPECT_EQ(pass.AreaRight, 0);
}

TEST_F(SelectAreaTest, SecondCornerOneOrTwoColumnsLeftIsKept) {
    Click(5, 30);
    Click(8, 28);
    ASSERT_EQ(SelectArea(context), AreaOutcome::Marked);
    EXPECT_EQ(pass.AreaRight, 28);
}

TEST_F(SelectAreaTest, ButtonsThatNeedNoArea) {
    struct Case {
        int row, col, button;
        bool window;
        AreaOutcome outcome;
        AreaRequests expected;
    };
    const AreaRequests none;
    AreaRequests preview1 = none, preview2 = none, undo = none, exitReq = none, build1 = none,
                 build2 = none, codeView1 = none, codeView2 = none;
    preview1.previewRequest = 1;
    preview2.previewRequest = 2;
    undo.undo = true;
    exitReq.exit = true;
    build1.buildRequest = 1;
    build2.buildRequest = 2;
    codeView1.codeViewRequest = 1;
    codeView2.codeViewRequest = 2;
    const Case cases[] = {
        {38, 85, kLeftButton, false, AreaOutcome::Request, preview1},
        {38, 85, kRightButton, false, AreaOutcome::Request, preview2},
        {41, 85, kLeftButton, false, AreaOutcome::Request, undo},
        {41, 85, kRightButton, false, AreaOutcome::Nothing, none},
        {45, 90, kLeftButton, false, AreaOutcome::Request, exitReq},
        {44, 5, kLeftButton, true, AreaOutcome::Request, build1},
        {44, 5, kRightButton, true, AreaOutcome::Request, build2},
        {35, 85, kLeftButton, true, AreaOutcome::Request, codeView1},
        {35, 85, kRightButton, true, AreaOutcome::Request, codeView2},
        {35, 85, kRightButton, false, AreaOutcome::Nothing, none},
        {20, 40, kRightButton, false, AreaOutcome::Nothing, none},
    };
    for (const Case& c : cases) {
        design = Design{};
        pass = PassState{};
        if (c.window) MakeWindow(2, 15, 40, 70);
        Click(c.row, c.col, c.button);
        EXPECT_EQ(SelectArea(context), c.outcome) << c.row << "," << c.col;
        const AreaRequests& r = pass.requests;
        EXPECT_EQ(r.previewRequest, c.expected.previewRequest) << c.row << "," << c.col;
        EXPECT_EQ(r.buildRequest, c.expected.buildRequest) << c.row << "," << c.col;
        EXPECT_EQ(r.codeViewRequest, c.expected.codeViewRequest) << c.row << "," << c.col;
        EXPECT_EQ(r.undo, c.expected.undo) << c.row << "," << c.col;
        EXPECT_EQ(r.exit, c.expected.exit) << c.row << "," << c.col;
    }
}

TEST_F(SelectAreaTest, KeysEscAndF1AreRequestsOtherKeysAreIgnored) {
    backend.Script(KeyEvent('x'));
    backend.Script(KeyEvent(kEscKey));
    EXPECT_EQ(SelectArea(context), AreaOutcome::Request);
    EXPECT_TRUE(pass.requests.escape);
    backend.Script(ExtendedKeyEvent(kScanF1));
    EXPECT_EQ(SelectArea(context), AreaOutcome::Request);
    EXPECT_TRUE(pass.requests.help);
}

TEST_F(SelectAreaTest, StripClicksBeforeTheWindowAreIgnored) {
    Click(11, 5);   // left strip Rectang
    Click(35, 85);  // CodView needs the window
    Click(5, 20);
    Click(6, 22);
    ASSERT_EQ(SelectArea(context), AreaOutcome::Marked);
    EXPECT_EQ(pass.AreaTop, 5);
    EXPECT_EQ(pass.AreaLeft, 20);
}

TEST_F(SelectAreaTest, WithAWindowOnlyCornersInsideItCount) {
    MakeWindow(5, 20, 20, 50);
    Click(3, 25);
    Click(10, 60);
    Click(6, 25);
    Click(8, 30);
    ASSERT_EQ(SelectArea(context), AreaOutcome::Marked);
    EXPECT_EQ(pass.AreaTop, 6);
    EXPECT_EQ(pass.AreaLeft, 25);
}

TEST_F(SelectAreaTest, PromptBeforeTheWindowBlankRowAfter) {
    try {
        SelectArea(context);
    } catch (ScriptExhausted) {
    }
    EXPECT_EQ(RowText(46),
              " Select an area for a Graphic Window by clicking on its Top Left and Bottom Right "
              "corners ");
    EXPECT_EQ(AttrAt(46, 1), 0x70);
    MakeWindow(5, 20, 20, 50);
    try {
        SelectArea(context);
    } catch (ScriptExhausted) {
    }
    EXPECT_EQ(RowText(46), std::string(90, ' '));
    EXPECT_EQ(AttrAt(46, 90), 0x70);
}

// A notice left for the hint row shows in place of the blank row, once.
TEST_F(SelectAreaTest, ANoticeTakesTheBlankRowOfOnePhase) {
    MakeWindow(5, 20, 20, 50);
    pass.hintRowNotice = " Gone elsewhere.";
    EXPECT_THROW(SelectArea(context), ScriptExhausted);
    EXPECT_EQ(RowText(46), " Gone elsewhere." + std::string(74, ' '));
    EXPECT_EQ(pass.hintRowNotice, "");
    EXPECT_THROW(SelectArea(context), ScriptExhausted);
    EXPECT_EQ(RowText(46), std::string(90, ' '));
}

}  // namespace
}  // namespace gridlet
