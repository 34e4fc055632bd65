#include "design/grid_markers.h"

#include "design/drawing_tools.h"
#include "design/tool_fixture.h"
#include "design/undo.h"
#include "model/command_codes.h"
#include "support/undo_view.h"

namespace gridlet {
namespace {

constexpr std::uint8_t kLight = 0x87;   // light grey on dark grey
constexpr std::uint8_t kDark = 0x80;    // black on dark grey
constexpr std::uint8_t kYellow = 0x8E;  // yellow on dark grey

struct MarkedCells {
    int row, col;
    const char* text;  // code page 437
    std::uint8_t attr;
};

struct MarkerCase {
    const char* name;
    std::int16_t command;
    int top, left, bottom, right;
    std::vector<MarkedCells> marked;
    std::vector<std::pair<int, int>> untouched;  // cells that keep what the grid showed
};

void PrintTo(const MarkerCase& c, std::ostream* out) {
    *out << c.name;
}

class GridMarker : public ToolFixture, public ::testing::WithParamInterface<MarkerCase> {
  protected:
    Cell PassCell(int row, int col) const {
        const std::size_t i = 4 * static_cast<std::size_t>((row - 1) * kScreenWidth + col - 1);
        return Cell{static_cast<std::uint8_t>(passScreen[i]),
                    static_cast<std::uint8_t>(passScreen[i + 2])};
    }
};

// The object is recorded with its undo entry, whatever the shape of its area.
TEST_P(GridMarker, IsDrawnOverTheMarkedArea) {
    const MarkerCase& c = GetParam();
    MakeWindow(2, 12, 40, 70);
    Mark(c.top, c.left, c.bottom, c.right);
    StartPass();
    if (c.command == kLineStepCommand) ClickMoveAccept();  // a line step always offers the menu
    RunDrawingTool(context, c.command);

    for (const MarkedCells& m : c.marked) {
        const std::string text = m.text;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const int col = m.col + static_cast<int>(i);
            EXPECT_EQ(console.CellAt(m.row, col),
                      (Cell{static_cast<std::uint8_t>(text[i]), m.attr}))
                << "row " << m.row << ", column " << col;
        }
    }
    for (const auto& [row, col] : c.untouched) {
        EXPECT_EQ(console.CellAt(row, col), PassCell(row, col))
            << "row " << row << ", column " << col;
    }
    ASSERT_NE(NewestBlock(design), "");
    EXPECT_EQ(ScreenUndoWouldShow(screen, design), passScreen);

    Undo(context);
    EXPECT_EQ(NewestBlock(design), "");
    EXPECT_EQ(ScreenBytes(), passScreen);
}

INSTANTIATE_TEST_SUITE_P(
    Areas, GridMarker,
    ::testing::Values(
        MarkerCase{"BoxTwoColumnsOneRow",
                   kRectangleCommand,
                   5,
                   20,
                   5,
                   21,
                   {{5, 20, "\xDA", kLight},
                    {5, 21, "\xBF", kDark},
                    {6, 20, "\xC0", kLight},
                    {6, 21, "\xD9", kDark}},
                   {{5, 22}, {6, 22}, {7, 20}}},
        MarkerCase{"EllipseThreeRows",
                   kEllipseCommand,
                   5,
                   20,
                   7,
                   24,
                   {{5, 20, "\xDA\xC4\xC4\xC4", kLight},
                    {5, 24, "\xBF", kDark},
                    {6, 20, "\xB3", kLight},
                    {6, 24, "\xB3", kDark},
                    {7, 20, "\xC0", kLight},
                    {7, 21, "\xC4\xC4\xC4\xD9", kDark}},
                   {{6, 21}, {6, 22}, {6, 23}, {8, 20}, {5, 25}}},
        MarkerCase{"StarFourRows",
                   kStarCommand,
                   5,
                   20,
                   8,
                   22,
                   {{5, 20, "\xDA\xC4", kLight},
                    {5, 22, "\xBF", kDark},
                    {6, 20, "\xB3", kLight},
                    {7, 22, "\xB3", kDark},
                    {8, 20, "\xC0", kLight},
                    {8, 21, "\xC4\xD9", kDark}},
                   {{6, 21}, {7, 21}, {9, 20}}},
        // An area one column wide, or with its right column left of its left one, gets the
        // frame's left edge alone.
        MarkerCase{"BoxOneColumn",
                   kRectangleCommand,
                   5,
                   20,
                   7,
                   20,
                   {{5, 20, "\xDA", kLight}, {6, 20, "\xB3", kLight}, {7, 20, "\xC0", kLight}},
                   {{5, 21}, {6, 21}, {7, 21}, {5, 19}, {8, 20}}},
        MarkerCase{"EllipseOneCell",
                   kEllipseCommand,
                   5,
                   20,
                   5,
                   20,
                   {{5, 20, "\xDA", kLight}, {6, 20, "\xC0", kLight}},
                   {{5, 21}, {6, 21}}},
        MarkerCase{"BoxRightColumnTwoLeft",
                   kRectangleCommand,
                   5,
                   20,
                   6,
                   18,
                   {{5, 20, "\xDA", kLight}, {6, 20, "\xC0", kLight}},
                   {{5, 18}, {5, 19}, {5, 21}, {6, 18}, {6, 19}, {6, 21}}},
        MarkerCase{"StarRightColumnOneLeft",
                   kStarCommand,
                   5,
                   20,
                   6,
                   19,
                   {{5, 20, "\xDA", kLight}, {6, 20, "\xC0", kLight}},
                   {{5, 19}, {6, 19}, {5, 21}}},
        MarkerCase{"LineOneRow",
                   kLineCommand,
                   10,
                   20,
                   10,
                   24,
                   {{10, 20, "\xC4\xC4\xC4\xC4\xC4", kYellow}},
                   {{10, 19}, {10, 25}, {11, 20}}},
        MarkerCase{"LineDownward",
                   kLineCommand,
                   10,
                   20,
                   14,
                   30,
                   {{10, 20, "\xB3", kYellow},
                    {11, 20, "\xB3", kYellow},
                    {12, 20, "\xB3", kYellow},
                    {13, 20, "\xB3", kYellow},
                    {14, 20, "\xB3", kYellow}},
                   {{10, 21}, {14, 30}, {15, 20}}},
        MarkerCase{"LineStepOneCell",
                   kLineStepCommand,
                   10,
                   20,
                   10,
                   20,
                   {{10, 20, "\xC4", kYellow}},
                   {{10, 21}, {11, 20}}},
        MarkerCase{"LineStepRightColumnTwoLeft",
                   kLineStepCommand,
                   10,
                   20,
                   10,
                   18,
                   {},
                   {{10, 18}, {10, 19}, {10, 20}}}),
    [](const ::testing::TestParamInfo<MarkerCase>& tested) {
        return std::string(tested.param.name);
    });

class MarkerEdges : public ToolFixture {};

// Marks of areas that reach past the screen are drawn up to its edges and no further.
TEST_F(MarkerEdges, MarksOfAreasPastTheScreenStopAtItsEdges) {
    const std::string before = ScreenBytes();
    DrawOutline(screen, {-5000, -5000, 5000, 5000});
    DrawLineMarker(screen, {-5000, -5000, 5000, -5000});
    EXPECT_TRUE(ScreenBytes() == before) << "every edge lies off the screen";

    DrawOutlineAndName(screen, {40, 80, 5000, 5000}, std::string(300, 'n') + ".bmp");
    EXPECT_EQ(RowText(40, 80, 90), "\xDA" + std::string(10, '\xC4'));
    EXPECT_EQ(RowText(41, 80, 90), "\xB3" + std::string(10, 'n'));
    EXPECT_EQ(RowText(46, 80, 80), "\xB3");
    EXPECT_EQ(AttrAt(41, 90), 0x80);

    DrawLineMarker(screen, {10, -5000, 10, 5000});
    EXPECT_EQ(RowText(10), std::string(90, '\xC4'));
    EXPECT_EQ(AttrAt(10, 1), 0x8E);
}

}  // namespace
}  // namespace gridlet
