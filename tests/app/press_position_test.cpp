// Every input loop that follows the pointer acts on a press where the press's own report puts
// it, not where the last move left the pointer: a press right after a panel opens under a resting
// pointer, a touch screen, or a terminal that reports motion only while a button is held.

#include <functional>
#include <vector>

#include "design/arc_menu.h"
#include "design/move_menu.h"
#include "dialogs/properties_menu.h"
#include "help/help_entries.h"
#include "help/show_help.h"
#include "interact/main_screen_art.h"
#include "support/console_fixture.h"
#include "support/run_main_loop.h"

namespace gridlet {
namespace {

struct CellAt {
    int row;
    int col;
};

struct PressCase {
    const char* name;
    std::vector<InputEvent> lead;  // what reaches the loop
    CellAt rest;                   // the last move before the press
    CellAt press;                  // where the press is reported
    std::vector<InputEvent> follow;
    // Runs the loop on the script; true when the press acted where it was reported.
    std::function<bool(Context&)> actedAtPress;
};

void PrintTo(const PressCase& c, std::ostream* out) {
    *out << c.name;
}

void UntilScriptEnds(const std::function<void()>& loop) {
    try {
        loop();
    } catch (ScriptExhausted) {
    }
}

class PressPosition : public ConsoleFixture, public ::testing::WithParamInterface<PressCase> {
  protected:
    void SetUp() override { PaintMainScreen(screen); }
};

TEST_P(PressPosition, ActsWhereThePressIsReportedNotWhereThePointerRested) {
    const PressCase& c = GetParam();
    backend.Script(c.lead);
    backend.Script(MoveEvent(c.rest.row, c.rest.col));
    backend.Script(PressEvent(c.press.row, c.press.col));
    backend.Script(c.follow);
    EXPECT_TRUE(c.actedAtPress(context));
}

const HelpEntry& HelpEntryAt(std::size_t index) {
    return HelpEntries()[index];
}

INSTANTIATE_TEST_SUITE_P(
    Loops, PressPosition,
    ::testing::Values(
        // The pointer rests on the grid; the press is on Window.
        PressCase{"ToolPhase",
                  {PressEvent(5, 20), PressEvent(10, 40)},
                  {20, 60},
                  {35, 5},
                  {},
                  [](Context& c) {
                      RunMainLoop(c);
                      return c.design.windowExists == 1;
                  }},
        // The band follows the pointer to a cell below; the press is on the second corner.
        PressCase{"AreaSecondCorner",
                  {PressEvent(5, 20)},
                  {30, 70},
                  {10, 40},
                  {MoveEvent(35, 5), PressEvent(35, 5)},
                  [](Context& c) {
                      RunMainLoop(c);
                      return c.design.windowBottomRow == 10 && c.design.windowRightCol == 40;
                  }},
        // The pointer rests on NO; the press is on YES, and the design is not to be saved.
        PressCase{"ExitDialog",
                  {KeyEvent(kEscKey)},
                  {18, 45},
                  {18, 37},
                  {KeyEvent('n')},
                  [](Context& c) { return RunMainLoop(c); }},
        // The pointer rests on Top; the press is on Right.
        PressCase{"ArcMenu",
                  {},
                  {8, 45},
                  {16, 67},
                  {},
                  [](Context& c) {
                      UntilScriptEnds([&c] { ArcMenu(c); });
                      return c.pass.pending.arcStart == "0";
                  }},
        // The pointer rests on OK; the press is on the thickness 5.
        PressCase{"PropertiesMenu",
                  {},
                  {25, 45},
                  {21, 44},
                  {},
                  [](Context& c) {
                      UntilScriptEnds([&c] { OpenPropertiesMenu(c); });
                      return c.pass.current.properties.lineWidth == "10";
                  }},
        // The pointer rests on UP; the press is on Right.
        PressCase{"MoveMenu",
                  {},
                  {6, 43},
                  {16, 68},
                  {},
                  [](Context& c) {
                      UntilScriptEnds([&c] { MoveMenu(c, [](Context&) {}); });
                      return c.pass.pending.x1 == 1 && c.pass.pending.y1 == 0;
                  }},
        // The pointer rests on the first entry; the press is on the second.
        PressCase{"Help",
                  {},
                  {HelpEntryAt(0).row, 40},
                  {HelpEntryAt(1).row, 40},
                  {},
                  [](Context& c) {
                      UntilScriptEnds([&c] { ShowHelp(c.screen, c.pass.memory.helpSelection); });
                      return c.pass.memory.helpSelection == HelpEntryAt(1).value;
                  }}),
    [](const ::testing::TestParamInfo<PressCase>& tested) {
        return std::string(tested.param.name);
    });

}  // namespace
}  // namespace gridlet
