#include "platform/cell_picture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <vector>

#include "doubles/memory_backend.h"
#include "doubles/virtual_clock.h"
#include "platform/ansi_writer.h"
#include "platform/console.h"
#include "support/white_cell_picture.h"

namespace gridlet {
namespace {

constexpr std::int32_t kWhite = 0xFFFFFF;
constexpr std::int32_t kRed = 0xFF0000;
constexpr std::int32_t kBlue = 0x0000FF;

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
    CellPicture after = WhiteCellPicture();
    Fill(after, 5, 6, 6, 7, kRed);  // one pixel of the middle cell of the second row
    EXPECT_EQ(ChangedCells(WhiteCellPicture(), after),
              (std::vector<bool>{false, false, false, false, true, false}));
    CellPicture moved = WhiteCellPicture();
    moved.cells = {3, 11, 4, 13};
    EXPECT_EQ(ChangedCells(WhiteCellPicture(), moved), std::vector<bool>(6, true))
        << "another place";
}

// The colours a cell shows in its upper, lower, left and right halves.
struct Halves {
    std::int32_t upper, lower, left, right;
    friend bool operator==(const Halves&, const Halves&) = default;
};

Halves HalvesOf(const Cell& cell) {
    const std::int32_t fg = cell.rgbForeground;
    const std::int32_t bg = cell.rgbBackground;
    switch (cell.ch) {
        case 0xDB:
            return {fg, fg, fg, fg};
        case 0xDF:
            return {fg, bg, -1, -1};
        case 0xDC:
            return {bg, fg, -1, -1};
        case 0xDD:
            return {-1, -1, fg, bg};
        case 0xDE:
            return {-1, -1, bg, fg};
        default:
            return {bg, bg, bg, bg};
    }
}

// Each cell takes the block symbol that divides its colours where they divide, drawn from its own
// pixels alone; a blank or a full block where it has one colour.
TEST(CellPicture, SymbolsSplitACellWhereItsColoursDo) {
    CellPicture picture = WhiteCellPicture();
    Fill(picture, 0, 0, 4, 4, kRed);
    Fill(picture, 4, 0, 8, 2, kBlue);
    Fill(picture, 8, 0, 10, 4, kRed);
    Fill(picture, 10, 0, 12, 4, kBlue);
    const std::vector<Cell> cells = SymbolCells(picture, {2, 11, 2, 13}, ColourDepth::TrueColour);
    ASSERT_EQ(cells.size(), 3u);
    const Halves red = HalvesOf(cells[0]);
    EXPECT_EQ(red, (Halves{kRed, kRed, kRed, kRed})) << "one colour";
    // Four pixel rows make 23 of the terminal's, so the halves' colours may blend a little.
    const auto near = [](std::int32_t a, std::int32_t b) {
        for (int shift : {16, 8, 0}) {
            if (std::abs((a >> shift & 0xFF) - (b >> shift & 0xFF)) > 16) return false;
        }
        return true;
    };
    const Halves upper = HalvesOf(cells[1]);
    EXPECT_TRUE(near(upper.upper, kBlue)) << std::hex << upper.upper;
    EXPECT_TRUE(near(upper.lower, kWhite)) << std::hex << upper.lower;
    const Halves left = HalvesOf(cells[2]);
    EXPECT_TRUE(near(left.left, kRed)) << std::hex << left.left;
    EXPECT_TRUE(near(left.right, kBlue)) << std::hex << left.right;
    EXPECT_EQ(cells[0].attr & 0x0F, 0x04)
        << "the nearest of the 16 colours: " << int{cells[0].attr};
    EXPECT_EQ(cells[0].attr >> 4, 0x04);
    EXPECT_EQ(SymbolCells(picture, {2, 11, 2, 11}, ColourDepth::Attributes16)[0].rgbBackground,
              kNoRgb);
    EXPECT_EQ(SymbolCells(picture, {2, 12, 3, 12}, ColourDepth::TrueColour)[0], cells[1])
        << "a cell's symbol does not depend on its neighbours";
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
    CellPicture picture = WhiteCellPicture();
    Fill(picture, 0, 0, 12, 8, kRed);
    console.ShowCellPicture(picture);
    console.SetPictureBase();
    console.Flush();
    const auto shownAt = [this](int row, int col) {
        return shown->cells[static_cast<std::size_t>((row - 1) * kScreenWidth + col - 1)];
    };
    EXPECT_EQ(shownAt(2, 11).attr, 0x44) << "red in both colours";
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
    console.ShowCellPicture(WhiteCellPicture());
    console.SetPictureBase();
    console.Flush();
    CellPicture next = WhiteCellPicture();
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

// The picture's cells take the finest colours the terminal has: 24 bits, else the nearest of the
// 256-colour palette, else the nearest attribute's; the rest of the screen keeps its 16.
TEST(CellPictureColours, TheCellsAreWrittenInTheTerminalsColourDepth) {
    struct Case {
        bool trueColour;
        bool palette256;
        const char* pen;
    };
    const Case cases[] = {
        {true, true, "38;2;224;128;0;48;2;224;128;0"},
        {false, true, "38;5;172;48;5;172"},
        {false, false, "33;43"},
    };
    for (const Case& c : cases) {
        std::optional<ShownScreen> shown;
        std::string bytes;
        MemoryBackend backend;
        backend.onPresent = [&](const ScreenState& screen) {
            ScreenUpdate update = RenderScreenUpdate(std::move(shown), screen);
            bytes = std::move(update.bytes);
            shown = std::move(update.shown);
        };
        VirtualClock clock;
        TerminalCapabilities capabilities;
        capabilities.trueColour = c.trueColour;
        capabilities.palette256 = c.palette256;
        Console console{backend, clock, capabilities};
        console.Flush();
        CellPicture picture = WhiteCellPicture();
        Fill(picture, 0, 0, 12, 8, 0xE08000);
        console.ShowCellPicture(picture);
        console.SetPictureBase();
        console.Locate(5, 1);
        console.SetColor(14, 1);
        console.Print("x");
        console.Flush();
        EXPECT_EQ(bytes.find(MoveTo(2, 11) + "\x1b[" + c.pen + "m"), 0u) << bytes;
        EXPECT_NE(bytes.find(MoveTo(5, 1) + "\x1b[93;44mx"), std::string::npos) << bytes;
    }
}

// In kitty the cells that show the picture are written on the terminal's own background, which
// the image lies on, and keep their text; a cell drawn over them and every cell outside keep
// their colours.
TEST(KittyCellPicture, ItsCellsAreWrittenOnTheTerminalsBackground) {
    MemoryBackend backend;
    VirtualClock clock;
    TerminalCapabilities kitty;
    kitty.kittyGraphics = true;
    Console console{backend, clock, kitty};
    std::string bytes;
    std::optional<ShownScreen> shown;
    backend.onPresent = [&](const ScreenState& screen) {
        ScreenUpdate update = RenderScreenUpdate(std::move(shown), screen);
        bytes = std::move(update.bytes);
        shown = std::move(update.shown);
    };
    console.SetCursorVisible(false);
    console.SetColor(0, 7);
    console.Locate(2, 10);
    console.Print("\xFA\xFA\xFA\xFA\xFA");
    console.Locate(3, 10);
    console.Print("\xFA\xFA\xFA\xFA\xFA");
    console.Flush();

    console.ShowCellPicture(WhiteCellPicture());
    console.SetPictureBase();
    console.SetColor(15, 4);
    console.Locate(3, 12);
    console.Print("x");
    console.Flush();
    EXPECT_EQ(bytes, "\x1b[2;11H\x1b[30;49m···\x1b[3;11H·\x1b[97;41mx\x1b[30;49m·");

    console.HideCellPicture();
    console.Flush();
    EXPECT_EQ(bytes, "\x1b[2;11H\x1b[47m···\x1b[3;11H·\x1b[3;13H·");
}

}  // namespace
}  // namespace gridlet
