#include "platform/palette256.h"

#include <array>
#include <cstdlib>

namespace gridlet {
namespace {

constexpr std::array<int, 6> kCubeLevels = {0, 95, 135, 175, 215, 255};
constexpr int kCubeStart = 16;
constexpr int kGreyStart = 232;
constexpr int kGreys = 24;

int GreyLevel(int step) {
    return 8 + 10 * step;
}

// The cube is a grid, so its nearest colour is the nearest level of each channel alone.
int NearestCubeStep(int value) {
    int best = 0;
    for (int step = 1; step < 6; ++step) {
        if (std::abs(value - kCubeLevels[step]) < std::abs(value - kCubeLevels[best])) best = step;
    }
    return best;
}

int Distance(const std::array<int, 3>& a, const std::array<int, 3>& b) {
    int sum = 0;
    for (std::size_t i = 0; i < 3; ++i) sum += (a[i] - b[i]) * (a[i] - b[i]);
    return sum;
}

}  // namespace

int NearestPaletteIndex(std::int32_t rgb) {
    const std::array<int, 3> colour = {(rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF};

    std::array<int, 3> steps{};
    std::array<int, 3> cube{};
    for (std::size_t i = 0; i < 3; ++i) {
        steps[i] = NearestCubeStep(colour[i]);
        cube[i] = kCubeLevels[static_cast<std::size_t>(steps[i])];
    }
    const int cubeIndex = kCubeStart + 36 * steps[0] + 6 * steps[1] + steps[2];

    // The grey nearest to a colour is the one nearest to the mean of its channels (times three,
    // to stay exact).
    const int sum = colour[0] + colour[1] + colour[2];
    int grey = 0;
    for (int step = 1; step < kGreys; ++step) {
        if (std::abs(sum - 3 * GreyLevel(step)) < std::abs(sum - 3 * GreyLevel(grey))) grey = step;
    }
    const int level = GreyLevel(grey);
    return Distance(colour, {level, level, level}) < Distance(colour, cube) ? kGreyStart + grey
                                                                            : cubeIndex;
}

}  // namespace gridlet
