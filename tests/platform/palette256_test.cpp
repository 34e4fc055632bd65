#include "platform/palette256.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <ios>
#include <vector>

namespace gridlet {
namespace {

TEST(Palette256, EachColourTakesTheNearestOfTheCubeAndTheGreyRamp) {
    struct Case {
        std::int32_t rgb;
        int index;
    };
    const Case cases[] = {
        // The cube's corners and pure colours.
        {0x000000, 16},
        {0xFFFFFF, 231},
        {0xFF0000, 196},
        {0x00FF00, 46},
        {0x0000FF, 21},
        {0xFFFF00, 226},
        {0x00FFFF, 51},
        {0xFF00FF, 201},
        // Cube colours exactly, and near them: each channel to its nearest level.
        {0x5F87AF, 67},
        {0xFF8700, 208},
        {0xFF8000, 208},
        {0x2F00FF, 21},  // red nearer 0 than 95
        {0x3000FF, 57},  // red nearer 95 than 0
        {0xAA0000, 124},
        // Greys: the ramp where it is nearer than the cube's greys.
        {0x080808, 232},
        {0x808080, 244},
        {0xEEEEEE, 255},
        {0x767676, 243},
        {0x878787, 102},  // a cube grey exactly
        {0x0C0C0C, 232},
        {0x0E0E0E, 233},
        {0x7F7F80, 244},  // a grey with a tint
        // A colour between greys: the ramp only when it is nearer than the cube.
        {0x5F5F60, 59},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NearestPaletteIndex(c.rgb), c.index) << std::hex << c.rgb;
    }
}

// Against a search of all 240 colours, over a grid of colours: no other is nearer.
TEST(Palette256, NoPaletteColourIsNearer) {
    std::vector<std::array<int, 3>> palette;
    constexpr int kLevels[] = {0, 95, 135, 175, 215, 255};
    for (int red : kLevels) {
        for (int green : kLevels) {
            for (int blue : kLevels) palette.push_back({red, green, blue});
        }
    }
    for (int step = 0; step < 24; ++step)
        palette.push_back({8 + 10 * step, 8 + 10 * step, 8 + 10 * step});
    const auto distance = [](const std::array<int, 3>& a, const std::array<int, 3>& b) {
        int sum = 0;
        for (std::size_t i = 0; i < 3; ++i) sum += (a[i] - b[i]) * (a[i] - b[i]);
        return sum;
    };
    for (int red = 0; red < 256; red += 15) {
        for (int green = 3; green < 256; green += 15) {
            for (int blue = 7; blue < 256; blue += 15) {
                const std::array<int, 3> colour = {red, green, blue};
                const int index = NearestPaletteIndex(red << 16 | green << 8 | blue);
                ASSERT_GE(index, 16);
                ASSERT_LE(index, 255);
                int best = distance(colour, palette[0]);
                for (const auto& entry : palette) best = std::min(best, distance(colour, entry));
                ASSERT_EQ(distance(colour, palette[static_cast<std::size_t>(index - 16)]), best)
                    << red << "," << green << "," << blue << " took " << index;
            }
        }
    }
}

}  // namespace
}  // namespace gridlet
