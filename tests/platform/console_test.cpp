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

}  // namespace
}  // namespace gridlet
