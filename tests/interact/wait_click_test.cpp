#include "interact/wait_click.h"

#include <gtest/gtest.h>

#include <vector>

#include "doubles/memory_backend.h"
#include "doubles/virtual_clock.h"
#include "platform/input_events.h"

namespace gridlet {
namespace {

struct WaitCase {
    const char* name;
    std::vector<InputEvent> events;
    ClickResult expected;
};

// A click is where its own report puts it, whatever the moves before it said; a key is where the
// last move of the same call was.
TEST(WaitClick, EndsOnTheFirstClickWhereItIsReportedOrKeyWhereThePointerLastMoved) {
    const WaitCase cases[] = {
        {"left click after moves elsewhere",
         {MoveEvent(3, 4), MoveEvent(10, 20), PressEvent(11, 21)},
         {0, false, true, 11, 21}},
        {"right click without a move", {PressEvent(7, 8, kRightButton)}, {0, true, false, 7, 8}},
        {"releases are not waited for",
         {ReleaseEvent(7, 8), MoveEvent(2, 2), PressEvent(2, 2, kRightButton)},
         {0, true, false, 2, 2}},
        {"a key", {MoveEvent(30, 40), KeyEvent('a')}, {97, false, false, 30, 40}},
        {"an extended key", {ExtendedKeyEvent(kScanF1)}, {15104, false, false, 0, 0}},
        {"the middle button counts as a key",
         {MoveEvent(5, 9), PressEvent(5, 6, kMiddleButton)},
         {-1, false, false, 5, 9}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryBackend backend;
        VirtualClock clock;
        Console console(backend, clock);
        console.SetMouseEvents(kLeftButton, kPress);
        backend.Script(c.events);

        const ClickResult result = WaitClick(console);

        EXPECT_EQ(result.commandCode, c.expected.commandCode);
        EXPECT_EQ(result.rightClick, c.expected.rightClick);
        EXPECT_EQ(result.leftClick, c.expected.leftClick);
        EXPECT_EQ(result.row, c.expected.row);
        EXPECT_EQ(result.col, c.expected.col);
        EXPECT_EQ(backend.Pending(), 0u);
    }
}

TEST(WaitClick, PausesTenMillisecondsAfterEveryMove) {
    MemoryBackend backend;
    VirtualClock clock;
    Console console(backend, clock);
    backend.Script({MoveEvent(1, 1), MoveEvent(1, 2), MoveEvent(1, 3), KeyEvent('x')});
    WaitClick(console);
    EXPECT_EQ(clock.TimeOfDayMs(), 30);
}

}  // namespace
}  // namespace gridlet
