#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "all_images.h"
#include "doubles/memory_backend.h"
#include "doubles/virtual_clock.h"

namespace gridlet {
namespace {

// A screen whose every cell differs from its neighbours, so a stray write shows.
class PainterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::vector<Cell> cells;
        for (int i = 0; i < kScreenWidth * kScreenHeight; ++i) {
            cells.push_back(
                Cell{static_cast<std::uint8_t>(i % 251), static_cast<std::uint8_t>(i % 13)});
        }
        console.WriteBlock({1, 1, kScreenHeight, kScreenWidth}, cells);
        before = Snapshot();
    }
    std::vector<Cell> Snapshot() const {
        return console.ReadBlock({1, 1, kScreenHeight, kScreenWidth});
    }
    static std::size_t Index(int row, int col) {
        return static_cast<std::size_t>((row - 1) * kScreenWidth + col - 1);
    }

    // An image of n cells: characters 'A', 'B', ... in colour 0x1E.
    static std::string ImageOf(int n) {
        std::string image;
        for (int i = 0; i < n; ++i) {
            image += static_cast<char>('A' + i % 26);
            image += '\x1E';
        }
        return image;
    }

    MemoryBackend backend;
    VirtualClock clock;
    Console console{backend, clock};
    Screen screen{console};
    std::vector<Cell> before;
};

struct PaintCase {
    const char* name;
    std::string image;
    int paintedCells;  // how many cells of the rectangle, row by row, take the image's cells
};

// The rectangle is rows 44-46, columns 86-90: 15 cells in the bottom right corner.
TEST_F(PainterTest, PaintsOnlyTheRectangleFromOnlyTheImage) {
    const PaintCase cases[] = {
        {"exact", ImageOf(15), 15},
        {"too short", ImageOf(7), 7},
        {"too short by half a cell", ImageOf(7) + "X", 7},
        {"too long", ImageOf(40), 15},
        {"empty", "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        screen.PaintPanel({44, 86, 46, 90}, c.image);

        const auto after = Snapshot();
        int painted = 0;
        for (int row = 1; row <= kScreenHeight; ++row) {
            for (int col = 1; col <= kScreenWidth; ++col) {
                const bool inside = row >= 44 && col >= 86;
                const int n = (row - 44) * 5 + (col - 86);
                if (inside && n < c.paintedCells) {
                    EXPECT_EQ(after[Index(row, col)],
                              (Cell{static_cast<std::uint8_t>('A' + n % 26), 0x1E}));
                    ++painted;
                } else {
                    EXPECT_EQ(after[Index(row, col)], before[Index(row, col)]) << row << "," << col;
                }
            }
        }
        EXPECT_EQ(painted, c.paintedCells);
    }
}

TEST_F(PainterTest, PaintingAPanelAgainGivesTheSameScreen) {
    PaintExitDialog(screen);
    const auto once = Snapshot();
    PaintExitDialog(screen);
    EXPECT_EQ(Snapshot(), once);
}

TEST_F(PainterTest, ReadCellBlockClampsTheBottomAndRightIntoTheCallersRectangle) {
    CellRect rect{44, 88, 50, 95};
    const std::string buffer = screen.ReadCellBlock(rect);
    EXPECT_EQ(rect, (CellRect{44, 88, 46, 90}));
    ASSERT_EQ(buffer.size(), 3u * 3u * 4u);
    for (int i = 0; i < 9; ++i) {
        const Cell cell = before[Index(44 + i / 3, 88 + i % 3)];
        EXPECT_EQ(static_cast<std::uint8_t>(buffer[4 * i]), cell.ch);
        EXPECT_EQ(buffer[4 * i + 1], '\0');
        EXPECT_EQ(static_cast<std::uint8_t>(buffer[4 * i + 2]), cell.attr);
        EXPECT_EQ(buffer[4 * i + 3], '\0');
    }
}

TEST_F(PainterTest, ABufferShorterThanItsRectangleWritesNothing) {
    CellRect rect{10, 10, 12, 12};
    std::string block = screen.ReadCellBlock(rect);
    block.pop_back();
    screen.WriteCellBlock({1, 1, 3, 3}, block);
    screen.RestoreScreen("");
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(PainterTest, SaveScreenPaintingAndRestoreScreenGiveTheIdenticalScreen) {
    std::string saved;
    screen.SaveScreen(saved);
    EXPECT_EQ(saved.size(), 16560u);
    PaintMainScreen(screen);
    PaintAreaNeededPanel(screen);
    screen.PrintAt(46, 1, 14, 1, " a hint");
    screen.RestoreScreen(saved);
    EXPECT_EQ(Snapshot(), before);
}

}  // namespace
}  // namespace gridlet
