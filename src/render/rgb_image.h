#pragma once
// A picture as the renderer hands it out: rows from the top, three bytes a pixel (red, green,
// blue).

#include <cstdint>
#include <vector>

#include "platform/rgb.h"

namespace gridlet {

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;  // width * height * 3 bytes

    Rgb At(int x, int y) const {
        const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
        return {pixels[i], pixels[i + 1], pixels[i + 2]};
    }
};

}  // namespace gridlet
