// The stored images against the looks and places the rest of the program relies on.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "all_images.h"
#include "platform/console.h"
#include "support/image_cells.h"

namespace gridlet {
namespace {

const ImageInfo& ImageNamed(std::string_view name) {
    for (const auto& image : AllImages()) {
        if (image.name == name) return image;
    }
    throw std::runtime_error("no image " + std::string(name));
}

TEST(CellImages, EveryImageLiesOnTheScreenAndIsAsLargeAsItsRectangle) {
    for (const auto& image : AllImages()) {
        SCOPED_TRACE(image.name);
        EXPECT_GE(image.topRow, 1);
        EXPECT_LE(image.topRow, image.bottomRow);
        EXPECT_LE(image.bottomRow, kScreenHeight);
        EXPECT_GE(image.leftCol, 1);
        EXPECT_LE(image.leftCol, image.rightCol);
        EXPECT_LE(image.rightCol, kScreenWidth);
        const auto cells =
            (image.rightCol - image.leftCol + 1) * (image.bottomRow - image.topRow + 1);
        EXPECT_EQ(image.bytes.size(), static_cast<std::size_t>(std::max(cells, 0)) * 2);
    }
}

struct ButtonCase {
    const char* name;
    int leftCol, rightCol, topRow;
    const char* label;
    std::uint8_t labelAttr;
    std::uint8_t endAttr;  // of the first and last label cell
    std::uint8_t upperLeftEdge, lowerRightEdge;
};

constexpr std::uint8_t kGreen = 0x8A, kWhite = 0x8F, kYellow = 0x8E;
constexpr std::uint8_t kLight = 0x87, kDark = 0x80;
// Dialog buttons on light grey: dark grey and white edges, light red labels.
constexpr std::uint8_t kGrey = 0x78, kBright = 0x7F, kLightRed = 0x7C;

// Every pressed button: the top row takes the upper-left edge colour in all cells but the last,
// the middle row at its left end, the bottom row in its first cell; all other edge cells take the
// lower-right colour.
TEST(CellImages, PressedButtonsHaveTheirEdgesAndLabelColours) {
    const ButtonCase cases[] = {
        {"LeftTextPressed", 1, 9, 1, " Text  ", kGreen, kGreen, kDark, kLight},
        {"LeftStarPressed", 1, 9, 4, " Star  ", kGreen, kGreen, kDark, kLight},
        {"LeftPolyPressed", 1, 9, 7, " Poly  ", kGreen, kGreen, kDark, kLight},
        {"LeftRectangPressed", 1, 9, 10, "Rectang", kGreen, kGreen, kDark, kLight},
        {"LeftEllipsePressed", 1, 9, 13, "Ellipse", kGreen, kGreen, kDark, kLight},
        {"LeftLinePressed", 1, 9, 16, " Line  ", kGreen, kGreen, kDark, kLight},
        {"LeftLineStpPressed", 1, 9, 19, "LineStp", kGreen, kGreen, kDark, kLight},
        {"LeftPaintBoPressed", 1, 9, 22, "PaintBo", kGreen, kGreen, kDark, kLight},
        {"LeftPaintRPPressed", 1, 9, 25, "PaintRP", kGreen, kGreen, kDark, kLight},
        {"LeftBmpPressed", 1, 9, 28, "  BMP  ", kGreen, kGreen, kDark, kLight},
        {"LeftBmpStrhPressed", 1, 9, 31, "BmpStrh", kGreen, kGreen, kDark, kLight},
        {"LeftWindowPressed", 1, 9, 34, " Window", kGreen, kGreen, kDark, kLight},
        {"LeftArcPressed", 1, 9, 37, "  ARC  ", kWhite, kWhite, kDark, kLight},
        {"LeftPiePressed", 1, 9, 40, "  PIE  ", kWhite, kWhite, kDark, kLight},
        {"LeftBuildPressed", 1, 9, 43, " Build ", kGreen, kGreen, kDark, kLight},
        {"RightTextPressed", 82, 90, 1, " Text  ", kGreen, kGreen, kDark, kLight},
        {"RightStarPressed", 82, 90, 4, " Star  ", kGreen, kGreen, kDark, kLight},
        {"RightPolyPressed", 82, 90, 7, " Poly  ", kGreen, kGreen, kDark, kLight},
        {"RightRectangPressed", 82, 90, 10, "Rectang", kGreen, kGreen, kDark, kLight},
        {"RightEllipsePressed", 82, 90, 13, "Ellipse", kGreen, kGreen, kDark, kLight},
        {"RightLinePressed", 82, 90, 16, " Line  ", kGreen, kGreen, kDark, kLight},
        {"RightWindowPressed", 82, 90, 22, "Window ", kYellow, kYellow, kDark, kLight},
        {"RightAddStrPressed", 82, 90, 25, " AddStr", kGreen, kGreen, kDark, kLight},
        {"RightArcPressed", 82, 90, 28, "  ARC  ", kYellow, kYellow, kDark, kLight},
        {"RightPiePressed", 82, 90, 31, "  PIE  ", kYellow, kYellow, kDark, kLight},
        {"RightCodViewPressed", 82, 90, 34, "CodView", kYellow, kYellow, kDark, kLight},
        {"RightPreviewPressed", 82, 90, 37, "Preview", kYellow, kYellow, kDark, kLight},
        {"RightUndoPressed", 82, 90, 40, " Undo  ", kYellow, kWhite, kDark, kLight},
        {"RightExitPressed", 82, 90, 43, " Exit  ", kYellow, kWhite, kLight, kDark},
        {"ExitYesPressed", 34, 40, 17, " Yes ", 0x48, 0x48, 0x40, 0x48},
        {"ExitNoPressed", 42, 48, 17, " No  ", 0x48, 0x48, 0x40, 0x48},
        {"MoveUpPressed", 37, 49, 5, "    UP     ", kLightRed, kLightRed, kGrey, kBright},
        {"MoveUpRightPressed", 58, 70, 9, " Up-Right  ", kLightRed, kLightRed, kGrey, kBright},
        {"MoveRightPressed", 62, 74, 15, "   Right   ", kLightRed, kLightRed, kGrey, kBright},
        {"MoveDownRightPressed", 58, 70, 21, " Down-Right", kLightRed, kLightRed, kGrey, kBright},
        {"MoveDownPressed", 37, 49, 25, "   Down    ", kLightRed, kLightRed, kGrey, kBright},
        {"MoveDownLeftPressed", 16, 28, 21, " Down-Left ", kLightRed, kLightRed, kGrey, kBright},
        {"MoveLeftPressed", 11, 23, 15, "    Left   ", kLightRed, kLightRed, kGrey, kBright},
        {"MoveUpLeftPressed", 16, 28, 9, "  Up-Left  ", kLightRed, kLightRed, kGrey, kBright},
        {"MovePreviewPressed", 37, 49, 9, "  Preview  ", 0x70, 0x70, kGrey, kBright},
        {"MoveAcceptPressed", 37, 49, 21, "  Accept   ", kLightRed, kLightRed, kGrey, kBright},
        {"MoveStep2Pressed", 32, 36, 15, " 2 ", kLightRed, kLightRed, kGrey, kBright},
        {"MoveStep3Pressed", 39, 43, 15, " 3 ", kLightRed, kLightRed, kGrey, kBright},
        {"MoveStep4Pressed", 46, 50, 15, " 4 ", kLightRed, kLightRed, kGrey, kBright},
        {"MoveStep5Pressed", 52, 56, 15, " 5 ", kLightRed, kLightRed, kGrey, kBright},
        {"MoveIncrColumnPressed", 9, 29, 18, " INCR Column Width ", kLightRed, kLightRed, kGrey,
         kBright},
        {"MoveDecrColumnPressed", 56, 76, 18, " DECR Column Width ", kLightRed, kLightRed, kGrey,
         kBright},
        {"MoveToBackPressed", 56, 76, 12, "   Move to Back    ", kLightRed, kLightRed, kGrey,
         kBright},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ImageInfo& image = ImageNamed(c.name);
        ASSERT_EQ(image.leftCol, c.leftCol);
        ASSERT_EQ(image.rightCol, c.rightCol);
        ASSERT_EQ(image.topRow, c.topRow);
        ASSERT_EQ(image.bottomRow, c.topRow + 2);
        const int width = c.rightCol - c.leftCol + 1;
        const auto labelLength = static_cast<int>(std::string_view(c.label).size());
        ASSERT_EQ(labelLength, width - 2);

        for (int col = 1; col <= width; ++col) {
            EXPECT_EQ(AttrAt(image, 1, col), col < width ? c.upperLeftEdge : c.lowerRightEdge)
                << "top " << col;
            EXPECT_EQ(AttrAt(image, 3, col), col == 1 ? c.upperLeftEdge : c.lowerRightEdge)
                << "bottom " << col;
        }
        EXPECT_EQ(CharAt(image, 2, 1), 0xB3);
        EXPECT_EQ(AttrAt(image, 2, 1), c.upperLeftEdge);
        EXPECT_EQ(CharAt(image, 2, width), 0xB3);
        EXPECT_EQ(AttrAt(image, 2, width), c.lowerRightEdge);
        for (int i = 0; i < labelLength; ++i) {
            EXPECT_EQ(CharAt(image, 2, 2 + i), static_cast<std::uint8_t>(c.label[i]));
            const bool end = i == 0 || i == labelLength - 1;
            EXPECT_EQ(AttrAt(image, 2, 2 + i), end ? c.endAttr : c.labelAttr) << "label " << i;
        }
    }
}

struct TextCase {
    const char* image;
    const char* text;
    std::uint8_t attr;
    int row, fromCol, toCol;  // the screen cells the text must lie in; row 0 where anywhere will do
};

// Where a text stands in an image, as a screen place (0, 0 when absent).
std::pair<int, int> FindText(const ImageInfo& image, std::string_view text) {
    const int width = image.rightCol - image.leftCol + 1;
    const int height = image.bottomRow - image.topRow + 1;
    for (int row = 1; row <= height; ++row) {
        for (int col = 1; col + static_cast<int>(text.size()) - 1 <= width; ++col) {
            bool match = true;
            for (std::size_t i = 0; i < text.size() && match; ++i) {
                match = CharAt(image, row, col + static_cast<int>(i)) ==
                        static_cast<std::uint8_t>(text[i]);
            }
            if (match) return {image.topRow + row - 1, image.leftCol + col - 1};
        }
    }
    return {0, 0};
}

TEST(CellImages, TextsStandWhereAndHowTheyAreShown) {
    const TextCase cases[] = {
        {"OpeningScreen", "God Bless Everybody", 0, 0, 0, 0},
        {"OpeningScreen", "In God we Trust", 0, 0, 0, 0},
        {"OpeningScreen", "A form for rapid", 0x71, 0, 0, 0},
        {"OpeningScreen", "placement of Items", 0x71, 0, 0, 0},
        {"OpeningScreen", "on a PB Graphic", 0x71, 0, 0, 0},
        {"OpeningScreen", "window using a PBCC", 0x71, 0, 0, 0},
        {"OpeningScreen", "console window.", 0x71, 0, 0, 0},
        {"OpeningScreen", "Gridlet", 0x79, 0, 0, 0},
        {"TitlePanel", "Gridlet", 0x79, 0, 0, 0},
        {"ExitDialog", "E X I T", 0x4F, 0, 0, 0},
        {"ExitDialog", "Are you sure?", 0x4F, 0, 0, 0},
        {"ExitDialog", "YES", 0x4A, 18, 35, 39},
        {"ExitDialog", "NO", 0x4C, 18, 43, 47},
        {"MoveMenu", "This menu moves Line's", 0, 5, 10, 31},
        {"MoveMenu", "Start Pixels or Line", 0, 6, 10, 29},
        {"MoveMenu", "Step's ending Pixels.", 0, 7, 10, 30},
        {"MoveMenu", "Click on Preview to", 0, 5, 50, 76},
        {"MoveMenu", "/ view positioning", 0, 6, 50, 76},
        {"MoveMenu", "    UP     ", 0, 6, 38, 48},
        {"MoveMenu", "  Up-Left  ", 0, 10, 17, 27},
        {"MoveMenu", "  Preview  ", 0, 10, 38, 48},
        {"MoveMenu", " Up-Right  ", 0, 10, 59, 69},
        {"MoveMenu", "   Move to Back    ", 0, 13, 57, 75},
        {"MoveMenu", "Nr of Pixels to Move", 0, 14, 30, 55},
        {"MoveMenu", "    Left   ", 0, 16, 12, 22},
        {"MoveMenu", "   Right   ", 0, 16, 63, 73},
        {"MoveMenu", "\xB3 2 \xB3", 0, 16, 32, 36},
        {"MoveMenu", "\xB3 3 \xB3", 0, 16, 39, 43},
        {"MoveMenu", "\xB3 4 \xB3", 0, 16, 46, 50},
        {"MoveMenu", "\xB3 5 \xB3", 0, 16, 52, 56},
        {"MoveMenu", "Default is one", 0, 18, 30, 55},
        {"MoveMenu", " INCR Column Width ", 0, 19, 10, 28},
        {"MoveMenu", " DECR Column Width ", 0, 19, 57, 75},
        {"MoveMenu", " Down-Left ", 0, 22, 17, 27},
        {"MoveMenu", "  Accept   ", 0, 22, 38, 48},
        {"MoveMenu", " Down-Right", 0, 22, 59, 69},
        {"MoveMenu", "   Down    ", 0, 26, 38, 48},
        {"MoveMenu", "Click on Accept to not", 0, 25, 11, 32},
        {"MoveMenu", "make any changes.", 0, 26, 11, 27},
        {"MoveMenu", "Click on Accept after", 0, 25, 54, 74},
        {"MoveMenu", "you're satisfied with", 0, 26, 54, 74},
        {"MoveMenu", "Changes.", 0, 27, 54, 61},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.image) + ": " + c.text);
        const ImageInfo& image = ImageNamed(c.image);
        const auto [row, col] = FindText(image, c.text);
        ASSERT_NE(row, 0);
        if (c.row != 0) {
            EXPECT_EQ(row, c.row);
            EXPECT_GE(col, c.fromCol);
            EXPECT_LE(col + static_cast<int>(std::string_view(c.text).size()) - 1, c.toCol);
        }
        for (int i = 0; c.attr != 0 && c.text[i] != '\0'; ++i) {
            if (c.text[i] == ' ') continue;
            EXPECT_EQ(AttrAt(image, row - image.topRow + 1, col - image.leftCol + 1 + i), c.attr);
        }
    }
}

}  // namespace
}  // namespace gridlet
