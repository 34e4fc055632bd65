#include "platform/picture_display.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gridlet {
namespace {

TEST(PictureMode, PixelsWhereTheTerminalHasThemSymbolsElsewhere) {
    const struct {
        bool kitty, iterm2, sixel;
        PictureMode mode;
    } cases[] = {
        {true, true, true, PictureMode::Kitty},
        {false, true, true, PictureMode::Iterm2},
        {false, false, true, PictureMode::Sixels},
        {false, false, false, PictureMode::Symbols},
    };
    for (const auto& c : cases) {
        TerminalCapabilities capabilities;
        capabilities.kittyGraphics = c.kitty;
        capabilities.iterm2Images = c.iterm2;
        capabilities.sixel = c.sixel;
        EXPECT_EQ(ChoosePictureMode(capabilities), c.mode) << c.kitty << c.iterm2 << c.sixel;
    }
}

TEST(FitPicture, KeepsTheProportionsCentredInTheArea) {
    const CellRect screen{2, 1, 45, 90};  // 90 x 44 cells of 10 x 20 pixels: 900 x 880
    const struct {
        const char* name;
        int width, height;
        PictureMode mode;
        CellRect expected;
    } cases[] = {
        // 880 / 258 is the smaller scale: 44 rows, 229 x 3.41 / 10 = 78 columns.
        {"tall window fills the height", 229, 258, PictureMode::Symbols, {2, 7, 45, 84}},
        // 900 / 1800 is the smaller scale: 90 columns, 400 x 0.5 / 20 = 10 rows.
        {"wide picture fills the width", 1800, 400, PictureMode::Symbols, {19, 1, 28, 90}},
        // 900 / 90 is the smaller scale: 90 columns, 44 x 10 / 20 = 22 rows.
        {"symbols enlarge a small picture", 90, 44, PictureMode::Symbols, {13, 1, 34, 90}},
        {"pixels keep a small picture's size", 100, 40, PictureMode::Sixels, {23, 41, 24, 50}},
        {"pixels shrink a large one", 1800, 400, PictureMode::Kitty, {19, 1, 28, 90}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FitPicture(c.width, c.height, screen, CellPixels{10, 20}, c.mode), c.expected)
            << c.name;
    }
}

// 40 x 20 pixels, the left half red, the right half blue.
std::vector<std::uint8_t> RedAndBlue() {
    std::vector<std::uint8_t> rgb;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 40; ++x) {
            rgb.push_back(x < 20 ? 255 : 0);
            rgb.push_back(0);
            rgb.push_back(x < 20 ? 0 : 255);
        }
    }
    return rgb;
}

// Every row of symbols is put in its place by a cursor move, since a line end in raw mode does
// not go back to the left edge; red comes before blue in each.
TEST(PictureBytes, SymbolRowsGoToTheirCells) {
    const std::vector<std::uint8_t> rgb = RedAndBlue();
    const std::string bytes =
        PictureBytes({40, 20, rgb}, {3, 5, 4, 14}, PictureMode::Symbols, CellPixels{});
    EXPECT_EQ(bytes.find('\n'), std::string::npos);
    ASSERT_EQ(bytes.rfind("\x1b[3;5H", 0), 0u);
    const std::size_t second = bytes.find("\x1b[4;5H");
    ASSERT_NE(second, std::string::npos);
    EXPECT_EQ(bytes.find("\x1b[5;"), std::string::npos) << "two rows only";
    for (const std::string& row : {bytes.substr(0, second), bytes.substr(second)}) {
        const std::size_t red = row.find("2;255;0;0m");
        const std::size_t blue = row.find("2;0;0;255m");
        ASSERT_NE(red, std::string::npos) << row;
        ASSERT_NE(blue, std::string::npos) << row;
        EXPECT_LT(red, blue);
    }
}

// Pixel modes start at the rectangle's top left; sixels are as wide as its cells.
TEST(PictureBytes, PixelModesPlaceOneImage) {
    const std::vector<std::uint8_t> rgb = RedAndBlue();
    const struct {
        PictureMode mode;
        std::string start;
        std::string end;
    } cases[] = {
        {PictureMode::Sixels, "\x1b[3;5H\x1bP", "\x1b\\"},
        {PictureMode::Kitty, "\x1b[3;5H\x1b_G", "\x1b\\"},
        {PictureMode::Iterm2, "\x1b[3;5H\x1b]1337;File=", "\a"},
    };
    for (const auto& c : cases) {
        const std::string bytes = PictureBytes({40, 20, rgb}, {3, 5, 4, 14}, c.mode, {10, 20});
        EXPECT_EQ(bytes.rfind(c.start, 0), 0u) << static_cast<int>(c.mode);
        ASSERT_GE(bytes.size(), c.end.size());
        EXPECT_EQ(bytes.substr(bytes.size() - c.end.size()), c.end) << static_cast<int>(c.mode);
    }
    const std::string sixels =
        PictureBytes({40, 20, rgb}, {3, 5, 4, 14}, PictureMode::Sixels, {10, 20});
    // Ten cells of ten pixels: 100 pixels wide (sixel rows come in sixes, so 36 high).
    EXPECT_NE(sixels.find("\"1;1;100;36#"), std::string::npos);
}

TEST(PictureBytes, NothingForAPictureWithoutPixels) {
    const std::vector<std::uint8_t> few(5, 0);
    EXPECT_EQ(PictureBytes({0, 0, {}}, {3, 5, 4, 14}, PictureMode::Symbols, {}), "");
    EXPECT_EQ(PictureBytes({4, 4, few}, {3, 5, 4, 14}, PictureMode::Sixels, {}), "");
}

}  // namespace
}  // namespace gridlet
