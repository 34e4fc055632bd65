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
    AreaResult Select() { return SelectArea(screen, design, pass.area, pass.hintRowNotice); }
};

TEST_F(SelectAreaTest, ReadoutHoldsTheColumnWidthInSinglePrecision) {
    struct Case {
        int right;
        const char* readout;
    };
    for (const Case& c : {Case{39, " 228 X 71"}, Case{59, " 457 X 71"}}) {
        Click(5, 20);
        Click(6, c.right);
        ASSERT_EQ(Select().outcome, AreaOutcome::Marked);
        EXPECT_EQ(RowText(46, 1, 9), c.readout);
        EXPECT_EQ(AttrAt(46, 2), 0x81);
        EXPECT_EQ(pass.area.AreaRight, c.right);
        PaintMainScreen(screen);
    }
}

TEST_F(SelectAreaTest, WindowReadoutAndBandShape) {
    MakeWindow(2, 15, 40, 70);
    Click(5, 20);
    Click(8, 30);
    ASSERT_EQ(Select().outcome, AreaOutcome::Marked);
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
    ASSERT_EQ(Select().outcome, AreaOutcome::Marked);
    EXPECT_EQ(pass.area.AreaTop, pass.area.AreaBottom);
    EXPECT_EQ(pass.area.AreaLeft, pass.area.AreaRight);
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
    EXPECT_THROW(Select().outcome, ScriptExhausted);
    EXPECT_EQ(shown, (Cell{0xB2, 0x81}));
}

TEST_F(SelectAreaTest, OneColumnBandWithWindowMarksBothEnds) {
    MakeWindow(2, 15, 40, 70);
    Click(5, 20);
    Click(9, 20);
    ASSERT_EQ(Select().outcome, AreaOutcome::Marked);
    EXPECT_EQ(console.CellAt(5, 20).ch, 0xB2);
    EXPECT_EQ(console.CellAt(9, 20).ch, 0xB2);
    EXPECT_EQ(AttrAt(9, 20), 0x74);
    EXPECT_EQ(console.CellAt(7, 20).ch, 0xDB);
}

TEST_F(SelectAreaTest, UpwardDragBecomesOneRow) {
    Click(10, 20);
    Click(5, 25);
    ASSERT_EQ(Select().outcome, AreaOutcome::Marked);
    EXPECT_EQ(pass.area.AreaTop, 10);
    EXPECT_EQ(pass.area.AreaBottom, 10);
}

TEST_F(SelectAreaTest, BeforeTheWindowColumnTenAndRowFortySixTakeAFirstCorner) {
    Click(5, 10);
    Click(6, 20);
    ASSERT_EQ(Select().outcome, AreaOutcome::Marked);
    EXPECT_EQ(pass.area.AreaLeft, 10);
    Click(46, 30);
    Click(46, 40);
    ASSERT_EQ(Select().outcome, AreaOutcome::Marked);
    EXPECT_EQ(pass.area.AreaTop, 46);
}

TEST_F(SelectAreaTest, GoingThreeColumnsLeftDropsTheFirstCornerUntilANewClick) {
    Click(5, 30);
    backend.Script(MoveEvent(5, 27));
    backend.Script(MoveEvent(7, 35));   // back to the right: no band, no corner
    backend.Script(PressEvent(7, 35));  // the new first corner
    Click(9, 40);
    ASSERT_EQ(Select().outcome, AreaOutcome::Marked);
    EXPECT_EQ(pass.area.AreaTop, 7);
    EXPECT_EQ(pass.area.AreaLeft, 35);
    EXPECT_EQ(pass.area.AreaBottom, 9);
    EXPECT_EQ(pass.area.AreaRight, 40);
}

TEST_F(SelectAreaTest, ARightClickAfterADroppedCornerLeavesNoArea) {
    Click(5, 30);
    backend.Script(MoveEvent(6, 27));
    Click(20, 40, kRightButton);
    ASSERT_EQ(Select().outcome, AreaOutcome::Nothing);
    EXPECT_EQ(pass.area.AreaTop, 0);
    EXPECT_EQ(pass.area.AreaLeft, 0);
    EXPECT_EQ(pass.area.AreaBottom, 0);
    EXPECT_EQ(pass.area.AreaRight, 0);
}

TEST_F(SelectAreaTest, SecondCornerOneOrTwoColumnsLeftIsKept) {
    Click(5, 30);
    Click(8, 28);
    ASSERT_EQ(Select().outcome, AreaOutcome::Marked);
    EXPECT_EQ(pass.area.AreaRight, 28);
}

TEST_F(SelectAreaTest, ButtonsThatNeedNoArea) {
    using enum AreaRequest;
    constexpr CodeForm kLeft = CodeForm::GraphicWindow;
    constexpr CodeForm kRight = CodeForm::Printer;
    struct Case {
        int row, col, button;
        bool window;
        AreaOutcome outcome;
        AreaRequest request;
        CodeForm form;
    };
    const Case cases[] = {
        {38, 85, kLeftButton, false, AreaOutcome::Request, Preview, kLeft},
        {38, 85, kRightButton, false, AreaOutcome::Request, Preview, kRight},
        {41, 85, kLeftButton, false, AreaOutcome::Request, Undo, kLeft},
        {41, 85, kRightButton, false, AreaOutcome::Nothing, None, kLeft},
        {45, 90, kLeftButton, false, AreaOutcome::Request, Exit, kLeft},
        {44, 5, kLeftButton, true, AreaOutcome::Request, Build, kLeft},
        {44, 5, kRightButton, true, AreaOutcome::Request, Build, kRight},
        {35, 85, kLeftButton, true, AreaOutcome::Request, CodeView, kLeft},
        {35, 85, kRightButton, true, AreaOutcome::Request, CodeView, kRight},
        {35, 85, kRightButton, false, AreaOutcome::Nothing, None, kLeft},
        {20, 40, kRightButton, false, AreaOutcome::Nothing, None, kLeft},
    };
    for (const Case& c : cases) {
        design = Design{};
        pass = PassState{};
        if (c.window) MakeWindow(2, 15, 40, 70);
        Click(c.row, c.col, c.button);
        const AreaResult result = Select();
        EXPECT_EQ(result.outcome, c.outcome) << c.row << "," << c.col;
        EXPECT_EQ(result.request, c.request) << c.row << "," << c.col;
        EXPECT_EQ(result.form, c.form) << c.row << "," << c.col;
    }
}

TEST_F(SelectAreaTest, KeysEscF1AndF2AreRequestsOtherKeysAreIgnored) {
    backend.Script(KeyEvent('x'));
    backend.Script(KeyEvent(kEscKey));
    const AreaResult escape = Select();
    EXPECT_EQ(escape.outcome, AreaOutcome::Request);
    EXPECT_EQ(escape.request, AreaRequest::Exit) << "Escape opens the exit dialog";
    backend.Script(ExtendedKeyEvent(kScanF1));
    const AreaResult help = Select();
    EXPECT_EQ(help.outcome, AreaOutcome::Request);
    EXPECT_EQ(help.request, AreaRequest::Help);
    backend.Script(ExtendedKeyEvent(kScanF2));
    EXPECT_EQ(Select().request, AreaRequest::PictureView);
}

// Undo and Redo by key: u or Backspace, r or Ctrl+Y.
TEST_F(SelectAreaTest, UndoAndRedoKeys) {
    const struct {
        char key;
        AreaRequest request;
    } cases[] = {{'u', AreaRequest::Undo},
                 {kBackspaceKey, AreaRequest::Undo},
                 {'r', AreaRequest::Redo},
                 {kRedoKey, AreaRequest::Redo}};
    for (const auto& c : cases) {
        backend.Script(KeyEvent(c.key));
        const AreaResult result = Select();
        EXPECT_EQ(result.outcome, AreaOutcome::Request) << int{c.key};
        EXPECT_EQ(result.request, c.request) << int{c.key};
    }
}

// Ctrl+S saves, F12 saves under a new name, with or without a window.
TEST_F(SelectAreaTest, SaveKeys) {
    for (const bool window : {false, true}) {
        if (window) MakeWindow(5, 20, 20, 50);
        backend.Script(KeyEvent(kSaveKey));
        EXPECT_EQ(Select().request, AreaRequest::Save) << window;
        backend.Script(ExtendedKeyEvent(kScanF12));
        EXPECT_EQ(Select().request, AreaRequest::SaveAs) << window;
    }
}

// Shift with a left click on Undo redoes; on any other button or the grid it changes nothing.
TEST_F(SelectAreaTest, ShiftClickOnUndoRedoes) {
    const struct {
        int row, col;
        AreaOutcome outcome;
        AreaRequest request;
    } cases[] = {
        {41, 85, AreaOutcome::Request, AreaRequest::Redo},
        {38, 85, AreaOutcome::Request, AreaRequest::Preview},
        {45, 90, AreaOutcome::Request, AreaRequest::Exit},
        {5, 20, AreaOutcome::Marked, AreaRequest::None},
    };
    for (const auto& c : cases) {
        pass = PassState{};
        backend.Script(MoveEvent(c.row, c.col));
        backend.Script(ShiftPressEvent(c.row, c.col));
        if (c.outcome == AreaOutcome::Marked) Click(8, 30);
        const AreaResult result = Select();
        EXPECT_EQ(result.outcome, c.outcome) << c.row << "," << c.col;
        EXPECT_EQ(result.request, c.request) << c.row << "," << c.col;
    }
}

TEST_F(SelectAreaTest, StripClicksBeforeTheWindowAreIgnored) {
    Click(11, 5);   // left strip Rectang
    Click(35, 85);  // CodView needs the window
    Click(5, 20);
    Click(6, 22);
    ASSERT_EQ(Select().outcome, AreaOutcome::Marked);
    EXPECT_EQ(pass.area.AreaTop, 5);
    EXPECT_EQ(pass.area.AreaLeft, 20);
}

TEST_F(SelectAreaTest, WithAWindowOnlyCornersInsideItCount) {
    MakeWindow(5, 20, 20, 50);
    Click(3, 25);
    Click(10, 60);
    Click(6, 25);
    Click(8, 30);
    ASSERT_EQ(Select().outcome, AreaOutcome::Marked);
    EXPECT_EQ(pass.area.AreaTop, 6);
    EXPECT_EQ(pass.area.AreaLeft, 25);
}

TEST_F(SelectAreaTest, PromptBeforeTheWindowBlankRowAfter) {
    try {
        Select().outcome;
    } catch (ScriptExhausted) {
    }
    EXPECT_EQ(RowText(46),
              " Select an area for a Graphic Window by clicking on its Top Left and Bottom Right "
              "corners ");
    EXPECT_EQ(AttrAt(46, 1), 0x70);
    MakeWindow(5, 20, 20, 50);
    try {
        Select().outcome;
    } catch (ScriptExhausted) {
    }
    EXPECT_EQ(RowText(46), std::string(90, ' '));
    EXPECT_EQ(AttrAt(46, 90), 0x70);
}

// A notice left for the hint row shows in place of the prompt before the window, once.
TEST_F(SelectAreaTest, ANoticeTakesThePromptOfOnePhase) {
    pass.hintRowNotice = " Saved one.GDL";
    EXPECT_THROW(Select().outcome, ScriptExhausted);
    EXPECT_EQ(RowText(46), " Saved one.GDL" + std::string(76, ' '));
    EXPECT_THROW(Select().outcome, ScriptExhausted);
    EXPECT_EQ(RowText(46).substr(0, 24), " Select an area for a Gr");
}

// A notice left for the hint row shows in place of the blank row, once.
TEST_F(SelectAreaTest, ANoticeTakesTheBlankRowOfOnePhase) {
    MakeWindow(5, 20, 20, 50);
    pass.hintRowNotice = " Gone elsewhere.";
    EXPECT_THROW(Select().outcome, ScriptExhausted);
    EXPECT_EQ(RowText(46), " Gone elsewhere." + std::string(74, ' '));
    EXPECT_EQ(pass.hintRowNotice, "");
    EXPECT_THROW(Select().outcome, ScriptExhausted);
    EXPECT_EQ(RowText(46), std::string(90, ' '));
}

}  // namespace
}  // namespace gridlet
