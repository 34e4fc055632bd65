#include "platform/console.h"

#include <gtest/gtest.h>

#include <vector>

#include "doubles/memory_backend.h"
#include "doubles/virtual_clock.h"
#include "platform/basic_error.h"
#include "platform/input_events.h"

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

class ConsolePicture : public ::testing::Test {
  protected:
    VirtualClock clock;
    const std::vector<std::uint8_t> pixels = std::vector<std::uint8_t>(4 * 2 * 3, 0x80);
    const PictureView picture{4, 2, pixels};
    const CellRect area{2, 1, 45, 90};
};

// Pointer moves and releases leave the picture; the key or press that closes it is taken, and
// then every row is shown anew.
TEST_F(ConsolePicture, StaysUntilAKeyOrAPressWhichItTakes) {
    for (const InputEvent& closing : {KeyEvent('x'), PressEvent(30, 40, kRightButton)}) {
        MemoryBackend backend;
        TerminalCapabilities sixels;
        sixels.sixel = true;
        Console console(backend, clock, sixels);
        backend.Script({MoveEvent(10, 10), ReleaseEvent(10, 10), closing, KeyEvent('n')});
        RowDamage damage = 0;
        backend.onPresent = [&](const ScreenState& screen) { damage = screen.dirtyRows; };

        console.ShowPicture(picture, area);

        ASSERT_EQ(backend.pictures.size(), 1u);
        EXPECT_EQ(backend.pictures[0].rgb, pixels);
        EXPECT_EQ(backend.pictures[0].area, area);
        EXPECT_EQ(backend.pictures[0].mode, PictureMode::Sixels);
        EXPECT_EQ(backend.picturesHidden, 1);
        EXPECT_EQ(backend.Pending(), 1u);
        console.Flush();
        EXPECT_EQ(damage, kAllRows);
    }
}

TEST_F(ConsolePicture, GoesAlsoWhenTheWaitFails) {
    MemoryBackend backend;
    Console console(backend, clock);
    backend.ScriptError(kErrorPermissionDenied);
    EXPECT_THROW(console.ShowPicture(picture, area), BasicError);
    EXPECT_EQ(backend.picturesHidden, 1);
}

TEST(ConsoleLending, TheTerminalComesBackAfterTheProgramAndAfterAnError) {
    MemoryBackend backend;
    VirtualClock clock;
    Console console(backend, clock);
    int suspendsDuringRun = -1;
    console.LendTerminal([&] { suspendsDuringRun = backend.suspends - backend.resumes; });
    EXPECT_EQ(suspendsDuringRun, 1);
    EXPECT_EQ(backend.resumes, 1);

    EXPECT_THROW(console.LendTerminal([] { throw BasicError(kErrorFileNotFound, "gone"); }),
                 BasicError);
    EXPECT_EQ(backend.suspends, 2);
    EXPECT_EQ(backend.resumes, 2);
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
