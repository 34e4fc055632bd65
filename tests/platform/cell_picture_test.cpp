#include "platform/cell_picture.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "doubles/memory_backend.h"
#include "doubles/virtual_clock.h"
#include "platform/ansi_writer.h"
#include "platform/console.h"

namespace gridlet {
namespace {

constexpr std::int32_t kWhite = 0xFFFFFF;
constexpr std::int32_t kRed = 0xFF0000;
constexpr std::int32_t kBlue = 0x0000FF;

// Two rows of three cells over a 12 x 8 white picture, four pixels a cell each way.
CellPicture White() {
    CellPicture picture;
    picture.cells = {2, 11, 3, 13};
    picture.xEdges = {0, 4, 8, 12};
    picture.yEdges = {0, 4, 8};
    picture.width = 12;
    picture.height = 8;
    picture.rgb.assign(12 * 8 * 3, 0xFF);
    return picture;
}

void Fill(CellPicture& picture, int left, int top, int right, int bottom, std::int32_t colour) {
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const auto i = (static_cast<std::size_t>(y) * picture.width + x) * 3;
            picture.rgb[i] = static_cast<std::uint8_t>(colour >> 16);
            picture.rgb[i + 1] = static_cast<std::uint8_t>(colour >> 8);
            picture.rgb[i + 2] = static_cast<std::uint8_t>(colour);
        }
    }
}

TEST(CellPicture, ChangedCellsAreThoseWhosePixelsDiffer) {
    CellPicture after = White();
    Fill(after, 5, 6, 6, 7, kRed);  // one pixel of the middle cell of the second row
    EXPECT_EQ(ChangedCells(White(), after),
              (std::vector<bool>{false, false, false, false, true, false}));
    CellPicture moved = White();
    moved.cells = {3, 11, 4, 13};
    EXPECT_EQ(ChangedCells(White(), moved), std::vector<bool>(6, true)) << "another place";
}

// A cell of one colour is a blank in it; one split in two colours takes the half block that
// divides them, the upper or left part in the symbol's colour.
TEST(CellPicture, SymbolsSplitACellWhereItsColoursDo) {
    CellPicture picture = White();
    Fill(picture, 0, 0, 4, 4, kRed);
    Fill(picture, 4, 0, 8, 2, kBlue);
    Fill(picture, 8, 0, 10, 4, kRed);
    Fill(picture, 10, 0, 12, 4, kBlue);
    const struct {
        int col;
        std::uint8_t ch;
        std::int32_t foreground;
        std::int32_t background;
        std::uint8_t attr;
    } cases[] = {
        {11, ' ', kRed, kRed, 0x44},
        {12, 0xDF, kBlue, kWhite, 0xF1},
        {13, 0xDD, kRed, kBlue, 0x14},
    };
    for (const auto& c : cases) {
        const Cell cell = SymbolCell(picture, 2, c.col, true);
        EXPECT_EQ(cell.ch, c.ch) << c.col;
        EXPECT_EQ(cell.rgbForeground, c.foreground) << c.col;
        EXPECT_EQ(cell.rgbBackground, c.background) << c.col;
        EXPECT_EQ(cell.attr, c.attr) << c.col << ": the nearest of the 16 colours";
        EXPECT_EQ(SymbolCell(picture, 2, c.col, false).rgbBackground, kNoRgb) << c.col;
    }
}

class ConsoleCellPicture : public ::testing::Test {
  protected:
    ConsoleCellPicture() {
        backend.onPresent = [this](const ScreenState& screen) {
            ScreenUpdate update = RenderScreenUpdate(std::move(shown), screen);
            bytes = std::move(update.bytes);
            shown = std::move(update.shown);
        };
        console.Flush();
    }

    MemoryBackend backend;
    VirtualClock clock;
    Console console{backend, clock};
    std::optional<ShownScreen> shown;
    std::string bytes;  // of the last flush
};

// The picture's cells show it while they are as its base has them; what is drawn over them shows
// instead, and the picture comes back when the cell does.
TEST_F(ConsoleCellPicture, CellsDrawnOverShowTheirTextUntilTheyAreBack) {
    CellPicture picture = White();
    Fill(picture, 0, 0, 12, 8, kRed);
    console.ShowCellPicture(picture);
    console.SetPictureBase();
    console.Flush();
    const auto shownAt = [this](int row, int col) {
        return shown->cells[static_cast<std::size_t>((row - 1) * kScreenWidth + col - 1)];
    };
    EXPECT_EQ(shownAt(2, 11).attr, 0x44);
    EXPECT_EQ(shownAt(3, 13).attr, 0x44);
    EXPECT_EQ(shownAt(2, 14), Cell{}) << "outside the picture";

    const Cell band{0xDB, 0x82};
    console.WriteBlock({2, 12, 2, 12}, {band});
    console.Flush();
    EXPECT_EQ(shownAt(2, 12), band);
    console.WriteBlock({2, 12, 2, 12}, {Cell{}});
    console.Flush();
    EXPECT_EQ(shownAt(2, 12).attr, 0x44);

    console.HideCellPicture();
    console.Flush();
    EXPECT_EQ(shownAt(2, 11), Cell{});
}

// A picture that changes in one cell costs the bytes of that cell alone.
TEST_F(ConsoleCellPicture, AnUpdateWritesOnlyTheCellsThatChanged) {
    console.ShowCellPicture(White());
    console.SetPictureBase();
    console.Flush();
    CellPicture next = White();
    Fill(next, 4, 4, 8, 8, kBlue);
    console.ShowCellPicture(next);
    console.SetPictureBase();
    console.Flush();
    EXPECT_EQ(bytes.find(MoveTo(3, 12)), 0u) << bytes;
    EXPECT_EQ(bytes.find("\x1b[", 1), bytes.find("\x1b[", MoveTo(3, 12).size()))
        << "one move: " << bytes;
    EXPECT_LT(bytes.size(), 24u) << bytes;
    console.ShowCellPicture(next);
    console.Flush();
    EXPECT_EQ(bytes, "") << "the same picture again";
}

}  // namespace
}  // namespace gridlet
