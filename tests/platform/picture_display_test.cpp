#include "platform/picture_display.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <regex>
#include <sstream>
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
    const std::string bytes = PictureBytes({40, 20, rgb}, {3, 5, 4, 14}, PictureMode::Symbols,
                                           ColourDepth::TrueColour, CellPixels{});
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

// Symbols take the finest colours the terminal shows: a terminal without 24-bit colour would
// show 24-bit sequences wrongly or not at all.
TEST(PictureBytes, SymbolsTakeTheColoursTheTerminalHas) {
    struct Case {
        ColourDepth colours;
        std::regex red;
    };
    const Case cases[] = {
        {ColourDepth::TrueColour, std::regex("\x1b\\[[34]8;2;255;0;0m")},
        {ColourDepth::Palette256, std::regex("\x1b\\[[34]8;5;196m")},
        {ColourDepth::Attributes16, std::regex("\x1b\\[(3|4|9|10)1m")},
    };
    const std::vector<std::uint8_t> rgb = RedAndBlue();
    for (const Case& c : cases) {
        const std::string bytes =
            PictureBytes({40, 20, rgb}, {3, 5, 4, 14}, PictureMode::Symbols, c.colours, {});
        EXPECT_TRUE(std::regex_search(bytes, c.red)) << static_cast<int>(c.colours);
        const bool deep = bytes.find(";2;") != std::string::npos;
        const bool palette = bytes.find(";5;") != std::string::npos;
        EXPECT_EQ(deep, c.colours == ColourDepth::TrueColour);
        EXPECT_EQ(palette, c.colours == ColourDepth::Palette256);
    }
}

// The first cell of a row of symbols (a row's bytes after its cursor move) that shows anything
// but white; -1 for none.
int FirstCellNotWhite(const std::string& row) {
    const std::string white = "255;255;255";
    std::string foreground = white;
    std::string background = white;
    bool inverse = false;
    int cell = 0;
    for (std::size_t i = 0; i < row.size();) {
        if (row[i] == '\x1b') {
            const std::size_t end = row.find('m', i);
            std::vector<std::string> numbers;
            std::istringstream in(row.substr(i + 2, end - i - 2));
            for (std::string number; std::getline(in, number, ';');) numbers.push_back(number);
            for (std::size_t n = 0; n < numbers.size(); ++n) {
                if (numbers[n] == "0") {
                    foreground = background = white;
                    inverse = false;
                } else if (numbers[n] == "7") {
                    inverse = true;
                } else if ((numbers[n] == "38" || numbers[n] == "48") && n + 4 < numbers.size()) {
                    const std::string colour =
                        numbers[n + 2] + ";" + numbers[n + 3] + ";" + numbers[n + 4];
                    (numbers[n] == "38" ? foreground : background) = colour;
                    n += 4;
                }
            }
            i = end + 1;
            continue;
        }
        const std::string& shownBackground = inverse ? foreground : background;
        const std::string& glyph = inverse ? background : foreground;
        if (shownBackground != white || (row[i] != ' ' && glyph != white)) return cell;
        ++cell;
        do ++i;  // the rest of the character's UTF-8 bytes
        while (i < row.size() && (static_cast<unsigned char>(row[i]) & 0xC0) == 0x80);
    }
    return -1;
}

// A window of an odd width with a black line two pixels wide down it: the line stays in one
// column of cells from the top to the bottom.
TEST(PictureBytes, AnUprightLineStaysUprightInAPictureOfOddWidth) {
    const int width = 229;
    const int height = 258;
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3, 255);
    for (int y = 0; y < height; ++y)
        std::fill_n(rgb.begin() + (static_cast<std::ptrdiff_t>(y) * width + 100) * 3, 6, 0);
    const std::string bytes =
        PictureBytes({width, height, rgb}, {1, 1, 20, 40}, PictureMode::Symbols,
                     ColourDepth::TrueColour, CellPixels{});
    for (int row = 1; row <= 20; ++row) {
        const std::string move = "\x1b[" + std::to_string(row) + ";1H";
        const std::size_t start = bytes.find(move);
        ASSERT_NE(start, std::string::npos) << row;
        const std::size_t end = bytes.find("\x1b[" + std::to_string(row + 1) + ";1H");
        const std::string cells = bytes.substr(start + move.size(), end - start - move.size());
        EXPECT_EQ(FirstCellNotWhite(cells), 17) << "row " << row;  // 100 / 229 x 40 = 17.5
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
        const std::string bytes =
            PictureBytes({40, 20, rgb}, {3, 5, 4, 14}, c.mode, ColourDepth::TrueColour, {10, 20});
        EXPECT_EQ(bytes.rfind(c.start, 0), 0u) << static_cast<int>(c.mode);
        ASSERT_GE(bytes.size(), c.end.size());
        EXPECT_EQ(bytes.substr(bytes.size() - c.end.size()), c.end) << static_cast<int>(c.mode);
    }
    const std::string sixels = PictureBytes({40, 20, rgb}, {3, 5, 4, 14}, PictureMode::Sixels,
                                            ColourDepth::TrueColour, {10, 20});
    // Ten cells of ten pixels: 100 pixels wide (sixel rows come in sixes, so 36 high).
    EXPECT_NE(sixels.find("\"1;1;100;36#"), std::string::npos);
}

// A sixel image read back: its size and each pixel's colour in percent, as the terminal keeps it.
struct SixelImage {
    int width = 0;
    int height = 0;
    std::vector<std::array<int, 3>> pixels;
};

SixelImage ReadSixels(const std::string& bytes) {
    SixelImage image;
    const std::size_t start = bytes.find('q', bytes.find("\x1bP")) + 1;
    const std::size_t end = bytes.find("\x1b\\", start);
    std::map<int, std::array<int, 3>> palette;
    int colour = 0, x = 0, top = 0;
    const auto number = [&bytes](std::size_t& i) {
        std::size_t used = 0;
        const int value = std::stoi(bytes.substr(i), &used);
        i += used;
        return value;
    };
    for (std::size_t i = start; i < end;) {
        const char c = bytes[i];
        if (c == '"') {
            std::array<int, 4> raster{};
            for (int& value : raster) {
                ++i;
                value = number(i);
            }
            image.width = raster[2];
            image.height = raster[3];
            image.pixels.assign(static_cast<std::size_t>(image.width) * image.height, {-1, -1, -1});
        } else if (c == '#') {
            ++i;
            colour = number(i);
            if (bytes[i] == ';') {
                std::array<int, 4> definition{};
                for (int& value : definition) {
                    ++i;
                    value = number(i);
                }
                palette[colour] = {definition[1], definition[2], definition[3]};
            }
        } else if (c == '$' || c == '-') {
            x = 0;
            top += c == '-' ? 6 : 0;
            ++i;
        } else {
            int count = 1;
            if (c == '!') {
                ++i;
                count = number(i);
            }
            const int bits = bytes[i++] - '?';
            for (; count > 0; --count, ++x) {
                for (int bit = 0; bit < 6; ++bit) {
                    if ((bits >> bit & 1) && x < image.width && top + bit < image.height)
                        image.pixels[static_cast<std::size_t>(top + bit) * image.width + x] =
                            palette[colour];
                }
            }
        }
    }
    return image;
}

std::array<int, 3> Percent(const std::vector<std::uint8_t>& rgb, std::size_t pixel) {
    std::array<int, 3> percent{};
    for (std::size_t i = 0; i < 3; ++i)
        percent[i] = static_cast<int>(std::lround(rgb[pixel * 3 + i] * 100.0 / 255.0));
    return percent;
}

// Pure colours, a colour of no pure kind and lone pixels of colours of their own, shown at their
// own size and stretched: every pixel shows its colour, taken from the nearest pixel.
TEST(PictureBytes, SixelsOfFewColoursKeepEveryColour) {
    const int width = 20, height = 12;
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3, 255);
    const std::uint8_t bands[][3] = {
        {255, 0, 0}, {0, 128, 0}, {0, 0, 255}, {0, 0, 0}, {200, 100, 50}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const auto* band = bands[(x + y) / 4 % 5];
            std::copy(band, band + 3, rgb.begin() + (y * width + x) * 3);
        }
    }
    for (int dot = 0; dot < 30; ++dot) {
        const std::size_t at = static_cast<std::size_t>(dot * 7 % (width * height)) * 3;
        rgb[at] = static_cast<std::uint8_t>(dot * 8);
        rgb[at + 1] = static_cast<std::uint8_t>(250 - dot * 5);
        rgb[at + 2] = static_cast<std::uint8_t>(dot * 3);
    }
    const struct {
        const char* name;
        CellRect place;
        CellPixels cell;
    } cases[] = {
        {"own size", {3, 5, 3, 6}, {10, 12}},
        {"stretched", {3, 5, 5, 10}, {10, 12}},
    };
    for (const auto& c : cases) {
        const SixelImage shown = ReadSixels(PictureBytes(
            {width, height, rgb}, c.place, PictureMode::Sixels, ColourDepth::TrueColour, c.cell));
        ASSERT_EQ(shown.width, c.place.Width() * c.cell.width) << c.name;
        ASSERT_EQ(shown.height, c.place.Height() * c.cell.height) << c.name;
        int wrong = 0;
        for (int y = 0; y < shown.height; ++y) {
            for (int x = 0; x < shown.width; ++x) {
                const auto source = static_cast<std::size_t>(y * height / shown.height * width +
                                                             x * width / shown.width);
                wrong += shown.pixels[static_cast<std::size_t>(y * shown.width + x)] !=
                         Percent(rgb, source);
            }
        }
        EXPECT_EQ(wrong, 0) << c.name;
    }
}

// A picture of more colours than a terminal has registers still comes as sixels of its size.
TEST(PictureBytes, SixelsOfManyColoursStillShow) {
    const int width = 40, height = 30;
    std::vector<std::uint8_t> rgb;
    for (int i = 0; i < width * height; ++i)
        rgb.insert(rgb.end(), {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i / 4), 77});
    const SixelImage shown =
        ReadSixels(PictureBytes({width, height, rgb}, {3, 5, 4, 8}, PictureMode::Sixels,
                                ColourDepth::TrueColour, {10, 15}));
    EXPECT_EQ(shown.width, 40);
    EXPECT_EQ(shown.height, 30);
}

TEST(PictureBytes, NothingForAPictureWithoutPixels) {
    const std::vector<std::uint8_t> few(5, 0);
    EXPECT_EQ(
        PictureBytes({0, 0, {}}, {3, 5, 4, 14}, PictureMode::Symbols, ColourDepth::TrueColour, {}),
        "");
    EXPECT_EQ(
        PictureBytes({4, 4, few}, {3, 5, 4, 14}, PictureMode::Sixels, ColourDepth::TrueColour, {}),
        "");
}

}  // namespace
}  // namespace gridlet
