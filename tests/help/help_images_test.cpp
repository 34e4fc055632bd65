// The help menu and pages: where they stand, that each fills its rectangle inside an unbroken
// frame, and that the menu shows every entry on the cells that take its clicks.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "all_images.h"
#include "help/help_entries.h"
#include "support/image_cells.h"

namespace gridlet {
namespace {

constexpr std::uint8_t kTopLeft = 0xC9, kTopRight = 0xBB, kBottomLeft = 0xC8, kBottomRight = 0xBC,
                       kAcross = 0xCD, kDown = 0xBA;
// A rule across a page meets the frame in these joins.
constexpr std::uint8_t kLeftJoin = 0xC7, kRightJoin = 0xB6;

struct Placement {
    const ImageInfo& image;
    int topRow, bottomRow, leftCol, rightCol;
};

TEST(HelpImages, EachFillsItsRectangleInsideAnUnbrokenFrame) {
    const Placement placements[] = {
        {kHelpMenu, 1, 24, 26, 57},
        {kHelpIntroductionPage, 2, 23, 9, 72},
        {kHelpCreateWindowPage, 2, 26, 6, 84},
        {kHelpCreateGraphicsPage, 2, 29, 6, 85},
        {kHelpCodeViewPreviewPage, 3, 29, 13, 80},
        {kHelpMoveMenuPage, 2, 26, 6, 86},
        {kHelpArcPieMenuPage, 3, 31, 8, 82},
        {kHelpPropertiesMenuPage, 3, 29, 7, 84},
        {kHelpSalvationPage, 1, 25, 1, 80},
    };
    for (const Placement& p : placements) {
        const ImageInfo& image = p.image;
        SCOPED_TRACE(std::string(image.name));
        ASSERT_EQ(image.topRow, p.topRow);
        ASSERT_EQ(image.bottomRow, p.bottomRow);
        ASSERT_EQ(image.leftCol, p.leftCol);
        ASSERT_EQ(image.rightCol, p.rightCol);
        const int width = p.rightCol - p.leftCol + 1;
        const int height = p.bottomRow - p.topRow + 1;
        ASSERT_EQ(image.bytes.size(), static_cast<std::size_t>(2 * width * height));

        EXPECT_EQ(CharAt(image, 1, 1), kTopLeft);
        EXPECT_EQ(CharAt(image, 1, width), kTopRight);
        EXPECT_EQ(CharAt(image, height, 1), kBottomLeft);
        EXPECT_EQ(CharAt(image, height, width), kBottomRight);
        for (int col = 2; col < width; ++col) {
            EXPECT_EQ(CharAt(image, 1, col), kAcross) << "top, column " << col;
            EXPECT_EQ(CharAt(image, height, col), kAcross) << "bottom, column " << col;
        }
        for (int row = 2; row < height; ++row) {
            const std::uint8_t left = CharAt(image, row, 1);
            const std::uint8_t right = CharAt(image, row, width);
            EXPECT_TRUE(left == kDown || left == kLeftJoin) << "left, row " << row;
            EXPECT_TRUE(right == kDown || (right == kRightJoin && left == kLeftJoin))
                << "right, row " << row;
        }
    }
}

TEST(HelpImages, MenuShowsEachEntryOnTheCellsThatTakeItsClicks) {
    constexpr std::string_view kMenuTexts[] = {
        "A  Introduction", "B  Create a Window", "C  Create Graphics", "D  CodeView\\Preview",
        "E  Move Menu",    "F  ARC & Pie  Menu", "G  Properties Menu", "S  Salvation Msg",
    };
    constexpr std::uint8_t kBlueOnLightGrey = 0x71;
    const ImageInfo& menu = kHelpMenu;
    for (std::size_t i = 0; i < HelpEntries().size(); ++i) {
        const HelpEntry& entry = HelpEntries()[i];
        const std::string_view text = kMenuTexts[i];
        SCOPED_TRACE(std::string(text));
        EXPECT_EQ(entry.row, 7 + 2 * static_cast<int>(i));
        const int row = entry.row - menu.topRow + 1;
        const int first = kHelpEntryLeftCol - menu.leftCol + 1;
        ASSERT_LE(kHelpEntryLeftCol + static_cast<int>(text.size()) - 1, kHelpEntryRightCol);
        for (std::size_t k = 0; k < text.size(); ++k) {
            EXPECT_EQ(CharAt(menu, row, first + static_cast<int>(k)),
                      static_cast<std::uint8_t>(text[k]));
        }
        EXPECT_EQ(AttrAt(menu, row, first) >> 4, 1) << "letter on blue";
        for (std::size_t k = 3; k < text.size(); ++k) {
            if (text[k] != ' ') {
                EXPECT_EQ(AttrAt(menu, row, first + static_cast<int>(k)), kBlueOnLightGrey);
            }
        }
    }
    std::string titleRow;
    for (int col = 1; col <= menu.rightCol - menu.leftCol + 1; ++col)
        titleRow += static_cast<char>(CharAt(menu, 3, col));
    EXPECT_NE(titleRow.find("\xB3 Help Menu \xB3"), std::string::npos) << "the title box";
}

}  // namespace
}  // namespace gridlet
