#include "app/main_loop.h"

#include <stdexcept>

#include "all_images.h"
#include "platform/basic_error.h"
#include "support/console_fixture.h"
#include "support/run_main_loop.h"

namespace gridlet {
namespace {

class MainLoopTest : public ConsoleFixture {
  protected:
    void SetUp() override { PaintMainScreen(screen); }

    bool RunUntilScriptEnds() { return RunMainLoop(context); }

    bool ExitDialogShown() { return RowText(14, 31, 51).find("E X I T") != std::string::npos; }
};

TEST_F(MainLoopTest, EscOpensTheExitDialogOnceAndNoReturnsToTheGrid) {
    const std::string before = ScreenBytes();
    backend.Script(KeyEvent(kEscKey));
    Click(18, 45);  // NO
    EXPECT_FALSE(RunUntilScriptEnds());
    EXPECT_FALSE(ExitDialogShown());
    // Waiting for an area again, with the prompt on the hint row and the grid as it was.
    EXPECT_EQ(RowText(46, 1, 20), " Select an area for ");
    EXPECT_EQ(ScreenBytes().substr(0, 45 * 90 * 4), before.substr(0, 45 * 90 * 4));
}

TEST_F(MainLoopTest, ClickOutsideTheExitButtonsClosesTheDialog) {
    const std::string before = ScreenBytes();
    Click(45, 86);  // the bottom row of the Exit button
    backend.Script(MoveEvent(30, 40));
    backend.Script(PressEvent(30, 40));
    EXPECT_FALSE(RunUntilScriptEnds());
    EXPECT_EQ(ScreenBytes().substr(0, 45 * 90 * 4), before.substr(0, 45 * 90 * 4));
}

TEST_F(MainLoopTest, ExitYesThenNoEndsTheProgram) {
    backend.Script(KeyEvent(kEscKey));
    Click(18, 37);                  // YES
    backend.Script(KeyEvent('n'));  // " Save this Window?"
    EXPECT_TRUE(RunUntilScriptEnds());
}

TEST_F(MainLoopTest, BottomRowOfTheExitButtonOpensTheDialog) {
    Click(45, 86);
    EXPECT_FALSE(RunUntilScriptEnds());
    EXPECT_TRUE(ExitDialogShown());
}

TEST_F(MainLoopTest, AKeyAfterAnAreaDropsIt) {
    Click(5, 20);
    Click(10, 40);
    backend.Script(KeyEvent('a'));
    Click(35, 5);  // Window: a strip click in the next area phase, ignored without a window
    EXPECT_FALSE(RunUntilScriptEnds());
    EXPECT_EQ(design.windowExists, 0);
    EXPECT_NE(console.CellAt(5, 20).ch, 0xDB);  // the band is gone
}

TEST_F(MainLoopTest, WindowKeepsOnlyItsAreaAndLaterAreasStartInsideIt) {
    Click(5, 20);
    Click(15, 50);
    backend.Script(MoveEvent(35, 5));
    backend.Script(PressEvent(35, 5));  // Window
    Click(3, 15);                       // outside the window: ignored
    EXPECT_FALSE(RunUntilScriptEnds());
    EXPECT_EQ(design.windowExists, 1);
    EXPECT_EQ(design.windowTopRow, 5);
    EXPECT_EQ(design.windowLeftCol, 20);
    EXPECT_EQ(design.windowBottomRow, 15);
    EXPECT_EQ(design.windowRightCol, 50);
    EXPECT_EQ(RowText(3, 11, 80), std::string(70, ' '));
    EXPECT_EQ(AttrAt(3, 40), 0x70);
    EXPECT_EQ(console.CellAt(5, 23).ch, 0xFE);  // the grid inside the window
    EXPECT_EQ(RowText(46), std::string(90, ' '));
    EXPECT_EQ(AttrAt(46, 1), 0x70);
    EXPECT_EQ(RowText(2, 2, 8), " Text  ");  // the strips are back
}

// A right click ends the area phase with no area; Window then asks for two corners, and the grid
// still takes an area for the window afterwards.
TEST_F(MainLoopTest, WindowAfterARightClickAsksForAnAreaAndMakesNoWindow) {
    const std::string before = ScreenBytes();
    bool panelShown = false;
    backend.onPresent = [&](const ScreenState&) {
        panelShown = panelShown || RowText(9).find("on two diagonal") != std::string::npos;
    };
    Click(20, 40, kRightButton);
    Click(35, 5);  // Window
    backend.Script(KeyEvent('x'));
    EXPECT_FALSE(RunUntilScriptEnds());
    EXPECT_TRUE(panelShown);
    EXPECT_EQ(design.windowExists, 0);
    EXPECT_EQ(ScreenBytes().substr(0, 45 * 90 * 4), before.substr(0, 45 * 90 * 4));

    Click(5, 20);
    Click(15, 39);
    Click(35, 5);
    EXPECT_FALSE(RunUntilScriptEnds());
    EXPECT_EQ(design.windowExists, 1);
    EXPECT_EQ(design.windowTopRow, 5);
}

TEST_F(MainLoopTest, BuildWorksOnceTheWindowExistsWithEitherButton) {
    Click(44, 5);  // before the window: ignored
    Click(5, 20);
    Click(15, 39);
    Click(35, 5);  // Window
    Click(44, 5);
    EXPECT_FALSE(RunUntilScriptEnds());
    EXPECT_EQ(clipboard.text.substr(0, 23), "\r\n SUB GraficWin ()\r\n\r\n");
    EXPECT_NE(
        clipboard.text.find(
            "   GRAPHIC WINDOW \" Example for PBCC5 or PBwin9 \", 103, 115, 229, 258 TO hWin\r\n"),
        std::string::npos);
    EXPECT_EQ(clipboard.text.substr(clipboard.text.size() - 12), "\r\n END SUB\r\n");

    Click(44, 5, kRightButton);
    EXPECT_FALSE(RunUntilScriptEnds());
    EXPECT_NE(clipboard.text.find("   XPRINT ATTACH CHOOSE \r\n"), std::string::npos);
    EXPECT_EQ(clipboard.text.find("GRAPHIC WINDOW"), std::string::npos);
}

TEST_F(MainLoopTest, ToolButtonBeforeAnyAreaDoesNothing) {
    const std::string before = ScreenBytes();
    Click(11, 5);  // Rectang while the area phase waits for a first corner
    EXPECT_FALSE(RunUntilScriptEnds());
    EXPECT_EQ(design.objectNumber, 0);
    EXPECT_EQ(ScreenBytes().substr(0, 45 * 90 * 4), before.substr(0, 45 * 90 * 4));
    EXPECT_EQ(RowText(46, 1, 20), " Select an area for ");
}

TEST_F(MainLoopTest, ErrorTrapPausesRestoresTheSnapshotAndStartsAFreshPass) {
    std::string hintRowDuringPause;
    std::uint8_t textAttr = 0;
    std::int64_t pauseStart = -1;
    backend.onPresent = [&](const ScreenState& s) {
        std::string row;
        for (int col = 1; col <= kScreenWidth; ++col)
            row += static_cast<char>(s.cells[(46 - 1) * 90 + col - 1].ch);
        if (row.find("Preview Button") != std::string::npos && pauseStart < 0) {
            hintRowDuringPause = row;
            textAttr = s.cells[(46 - 1) * 90 + 2].attr;
            pauseStart = clock.TimeOfDayMs();
        }
    };
    Click(5, 20);
    Click(10, 40);
    backend.Script(MoveEvent(11, 5));  // over a button: its hint shows
    backend.ScriptError(kErrorPermissionDenied);
    EXPECT_FALSE(RunUntilScriptEnds());
    const std::string text =
        "  If you clicked on the Preview Button, there may already be a Graphic Screen running    "
        " ";
    EXPECT_EQ(hintRowDuringPause.substr(0, text.size()), text);
    EXPECT_EQ(textAttr, 0x07);  // light grey on black
    EXPECT_GE(clock.TimeOfDayMs() - pauseStart, 3000);
    EXPECT_NE(console.CellAt(5, 20).ch, 0xDB);
    EXPECT_EQ(RowText(46, 1, 20), " Select an area for ");
}

TEST_F(MainLoopTest, OtherErrorsPauseWithoutAText) {
    std::vector<std::string> rows;
    backend.onPresent = [&](const ScreenState& s) {
        std::string row;
        for (int col = 1; col <= kScreenWidth; ++col)
            row += static_cast<char>(s.cells[(46 - 1) * 90 + col - 1].ch);
        rows.push_back(row);
    };
    backend.ScriptError(kErrorFileNotFound);
    EXPECT_FALSE(RunUntilScriptEnds());
    EXPECT_GE(clock.TimeOfDayMs(), 3000);
    for (const auto& row : rows) EXPECT_EQ(row.find("Preview Button"), std::string::npos);
}

// Row 46 as shown the first time a frame holds it with the trap's colours.
struct TrapRow {
    std::string text;
    std::int64_t shownAt = -1;
};

TEST_F(MainLoopTest, ErrorTrapShowsTheErrorsTextForItsPause) {
    const struct {
        const char* name;
        std::exception_ptr error;
        std::string row;
    } cases[] = {
        {"a run-time error",
         std::make_exception_ptr(BasicError(kErrorFileNotFound, "cannot start wine")),
         " cannot start wine"},
        {"a failure of the system",
         std::make_exception_ptr(
             std::runtime_error("waiting for terminal input failed: Bad address")),
         " waiting for terminal input failed: Bad address"},
        {"a fault of the program",
         std::make_exception_ptr(std::out_of_range("vector::_M_range_check")),
         " vector::_M_range_check"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TrapRow shown;
        backend.onPresent = [&](const ScreenState& s) {
            if (shown.shownAt >= 0 || s.cells[(46 - 1) * 90].attr != 0x07) return;
            for (int col = 1; col <= kScreenWidth; ++col)
                shown.text += static_cast<char>(s.cells[(46 - 1) * 90 + col - 1].ch);
            shown.shownAt = clock.TimeOfDayMs();
        };
        backend.ScriptThrow(c.error);
        backend.Script(MoveEvent(20, 40));
        const std::int64_t start = clock.TimeOfDayMs();
        MainLoop loop(context, FaultHandling::ShowAndKeep);
        EXPECT_THROW(loop.Run(), ScriptExhausted);
        EXPECT_EQ(shown.text, c.row + std::string(kScreenWidth - c.row.size(), ' '));
        EXPECT_GE(clock.TimeOfDayMs() - shown.shownAt, 3000);
        EXPECT_LT(shown.shownAt - start, 3000);
        EXPECT_EQ(RowText(46, 1, 20), " Select an area for ") << "the snapshot is back";
        EXPECT_EQ(backend.Pending(), 0u) << "a fresh pass read on";
    }
}

// A logic error is a fault of the program: the build for users goes on past it and keeps its
// text for standard error; the sanitizer build stops there.
TEST_F(MainLoopTest, AFaultOfTheProgramIsKeptOrStopsTheProgram) {
    const auto fault = std::make_exception_ptr(std::logic_error("the area has no corners"));
    const std::uint8_t grid = console.CellAt(5, 20).ch;
    backend.ScriptThrow(fault);
    backend.ScriptError(kErrorFileNotFound);
    Click(5, 20);
    MainLoop loop(context, FaultHandling::ShowAndKeep);
    EXPECT_THROW(loop.Run(), ScriptExhausted);
    EXPECT_EQ(loop.Faults(), std::vector<std::string>{"the area has no corners"});
    EXPECT_NE(console.CellAt(5, 20).ch, grid) << "the loop went on to mark a corner";

    backend.ScriptThrow(fault);
    MainLoop stopping(context, FaultHandling::Abort);
    EXPECT_DEATH(stopping.Run(), "gridlet: a fault in the program: the area has no corners");
}

// Undo takes the box back and Shift with Undo places it again, code and grid mark.
TEST_F(MainLoopTest, ShiftWithUndoRedoes) {
    Click(5, 20);
    Click(30, 70);
    Click(35, 5);  // Window
    Click(8, 25);
    Click(15, 40);
    Click(11, 5);  // Rectang
    EXPECT_FALSE(RunUntilScriptEnds());
    ASSERT_EQ(design.objects.size(), 1u);
    const std::string boxCode = design.boxCode;
    ASSERT_NE(boxCode, "");
    const std::string withBox = ScreenBytes();

    Click(41, 85);  // Undo
    EXPECT_FALSE(RunUntilScriptEnds());
    EXPECT_TRUE(design.objects.empty());
    EXPECT_EQ(design.boxCode, "");

    backend.Script(MoveEvent(41, 85));
    backend.Script(ShiftPressEvent(41, 85));
    EXPECT_FALSE(RunUntilScriptEnds());
    EXPECT_EQ(design.objects.size(), 1u);
    EXPECT_EQ(design.boxCode, boxCode);
    EXPECT_EQ(ScreenBytes().substr(0, 45 * 90 * 4), withBox.substr(0, 45 * 90 * 4));
}

TEST_F(MainLoopTest, HintsFollowThePointerOverTheStrips) {
    Click(5, 20);
    Click(10, 40);
    backend.Script(MoveEvent(44, 5));
    backend.Script(MoveEvent(26, 85));  // no hint here: the last one stays
    backend.Script(MoveEvent(20, 40));  // the grid: nothing printed
    EXPECT_FALSE(RunUntilScriptEnds());
    EXPECT_EQ(RowText(46, 1, 89),
              " Left click to build a Graphic Window Sub, Right click to build one for XPRINT" +
                  std::string(11, ' '));
    EXPECT_EQ(AttrAt(46, 89), 0x70);
}

// The right strip's Text sets its properties target for the one text command that follows; a
// later properties menu is not held back by it.
TEST_F(MainLoopTest, RightStripTextLeavesNoTargetForLaterMenus) {
    Click(5, 20);
    Click(30, 60);
    Click(35, 5);  // Window
    Click(8, 25);
    Click(10, 40);
    Click(2, 86);                    // the right strip's Text
    backend.Script(KeyEvent('\r'));  // the font chooser's OK
    Click(25, 45);                   // the properties menu's OK
    Type("Hi");
    backend.Script(ExtendedKeyEvent(AltLetterScanCode('o')));
    Click(22, 43);  // the move menu's Accept
    Click(12, 25);
    Click(14, 40);
    Click(11, 86);  // the right strip's Rectang
    Click(13, 45);  // Style
    TypeLine("3");
    Click(25, 45);
    Click(22, 43);  // Accept
    EXPECT_FALSE(RunUntilScriptEnds());
    EXPECT_NE(design.textCode.find("   GRAPHIC PRINT \"Hi\"\r\n"), std::string::npos);
    EXPECT_NE(pass.current.target, PropertiesTarget::Text);
    EXPECT_NE(design.boxCode.find(",0,0,%WHITE,3"), std::string::npos) << design.boxCode;
    EXPECT_EQ(backend.beeps, 0);
}

}  // namespace
}  // namespace gridlet
