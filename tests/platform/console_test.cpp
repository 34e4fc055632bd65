#include "platform/console.h"

#include <gtest/gtest.h>

#include "platform/memory_backend.h"

namespace gridlet {
namespace {

class ConsoleDamage : public ::testing::Test {
  protected:
    ConsoleDamage() {
        backend.onPresent = [this](const ScreenState& screen) { presented = screen.dirtyRows; };
        console.Flush();
    }

    // The rows the next flush tells the backend about.
    RowDamage FlushedDamage() {
        console.Flush();
        return presented;
    }

    MemoryBackend backend;
    VirtualClock clock;
    Console console{backend, clock};
    RowDamage presented = 0;
};

TEST_F(ConsoleDamage, AFlushReportsTheRowsWrittenSinceTheLastOne) {
    EXPECT_EQ(presented, kAllRows) << "the first flush shows everything";
    EXPECT_EQ(FlushedDamage(), 0u) << "nothing written";

    console.WriteBlock({4, 10, 6, 11}, std::vector<Cell>(6, Cell{'x', 0x1F}));
    EXPECT_EQ(FlushedDamage(), RowBit(4) | RowBit(5) | RowBit(6));

    console.WriteBlock({45, 1, 48, 1}, std::vector<Cell>(4));  // partly off the screen
    EXPECT_EQ(FlushedDamage(), RowBit(45) | RowBit(46));

    console.Locate(2, 89);
    console.Print("abc");  // wraps onto row 3
    EXPECT_EQ(FlushedDamage(), RowBit(2) | RowBit(3));

    console.Locate(9, 9);
    EXPECT_EQ(FlushedDamage(), 0u) << "a cursor move writes no row";

    console.ClearScreen();
    EXPECT_EQ(FlushedDamage(), kAllRows);
}

// 24-bit colours sit on the cells only where the terminal shows them, stay off the screen's
// edges, and go when the cell is written again, by any route.
TEST(ConsoleTrueColour, LastsUntilTheCellIsWrittenAgain) {
    MemoryBackend backend;
    VirtualClock clock;
    TerminalCapabilities capabilities;
    capabilities.trueColour = true;
    Console console(backend, clock, capabilities);
    const auto tinted = [&console](int row, int col) {
        return console.CellAt(row, col).rgbForeground == 0x102030 &&
               console.CellAt(row, col).rgbBackground == kNoRgb;
    };

    console.SetTrueColour(3, 88, 5, 0x102030, kNoRgb);
    EXPECT_FALSE(tinted(3, 87));
    EXPECT_TRUE(tinted(3, 88) && tinted(3, 89) && tinted(3, 90));
    EXPECT_FALSE(tinted(4, 1)) << "a run ends at the edge of its row";

    console.Locate(3, 88);
    console.Print("x");
    console.WriteBlock({3, 89, 3, 89}, {Cell{'y', 0x07}});
    EXPECT_FALSE(tinted(3, 88));
    EXPECT_FALSE(tinted(3, 89));
    EXPECT_TRUE(tinted(3, 90));
    console.ClearScreen();
    EXPECT_FALSE(tinted(3, 90));

    Console plain(backend, clock);
    plain.SetTrueColour(3, 1, 1, 0x102030, 0x405060);
    EXPECT_EQ(plain.CellAt(3, 1), Cell{});
}

}  // namespace
}  // namespace gridlet
