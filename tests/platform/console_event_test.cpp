#include <gtest/gtest.h>

#include "doubles/memory_backend.h"
#include "doubles/virtual_clock.h"
#include "platform/console.h"
#include "platform/input_events.h"

namespace gridlet {
namespace {

class ConsoleEventTest : public ::testing::Test {
  protected:
    MemoryBackend backend;
    VirtualClock clock;
    Console console{backend, clock};
};

TEST_F(ConsoleEventTest, MouseEventsCarryTheirCellKeysTheLastOne) {
    console.SetMouseEvents(kAllButtons, kMove | kPress);
    backend.Script({MoveEvent(3, 4), KeyEvent('a'), PressEvent(7, 8, kRightButton),
                    ExtendedKeyEvent(kScanF1)});

    const ConsoleEvent move = console.ReadEvent();
    EXPECT_EQ(move.kind, EventKind::Move);
    EXPECT_EQ(move.row, 3);
    EXPECT_EQ(move.col, 4);

    const ConsoleEvent key = console.ReadEvent();
    EXPECT_TRUE(key.IsKey('a'));
    EXPECT_EQ(KeyCode(key), 97);
    EXPECT_EQ(key.row, 3);
    EXPECT_EQ(key.col, 4);

    const ConsoleEvent press = console.ReadEvent();
    EXPECT_TRUE(press.IsPress());
    EXPECT_EQ(press.buttons, kRightButton);
    EXPECT_EQ(KeyCode(press), -1);
    EXPECT_EQ(press.row, 7);

    const ConsoleEvent f1 = console.ReadEvent();
    EXPECT_TRUE(f1.IsExtendedKey(kScanF1));
    EXPECT_EQ(KeyCode(f1), 15104);
    EXPECT_EQ(f1.col, 8);
}

// Events the selection drops neither end the wait nor move the pointer's cell.
TEST_F(ConsoleEventTest, DroppedEventsLeaveThePointerWhereItWas) {
    console.SetMouseEvents(kLeftButton, kPress);
    backend.Script({PressEvent(2, 2), MoveEvent(9, 9), PressEvent(9, 9, kRightButton),
                    ReleaseEvent(9, 9), KeyEvent('x')});
    console.ReadEvent();
    const ConsoleEvent key = console.ReadEvent();
    EXPECT_TRUE(key.IsKey('x'));
    EXPECT_EQ(key.row, 2);
    EXPECT_EQ(key.col, 2);
}

// A paste passes every mouse selection, types no character and names no command.
TEST_F(ConsoleEventTest, APasteIsItsOwnKindOfEvent) {
    console.SetMouseEvents(kLeftButton, kPress);
    backend.Script({PasteEvent("ab"), PasteEvent("\xFF\xFF")});
    const ConsoleEvent paste = console.ReadEvent();
    EXPECT_EQ(paste.kind, EventKind::Paste);
    EXPECT_EQ(paste.key, "ab");
    EXPECT_FALSE(paste.IsMouse());
    EXPECT_FALSE(TypedCharacter(paste));
    EXPECT_EQ(KeyCode(paste), 0);
    const ConsoleEvent lookalike = console.ReadEvent();
    EXPECT_EQ(lookalike.kind, EventKind::Paste) << "pasted bytes that look like a mouse event";
    EXPECT_EQ(lookalike.key, "\xFF\xFF");
}

}  // namespace
}  // namespace gridlet
