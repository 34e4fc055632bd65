#pragma once
// The size in pixels of a bitmap file, read from its header.

#include <cstdint>
#include <string>

namespace gridlet {

struct BitmapSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// A file that cannot be read as an image, or whose width or height is above 32767 pixels, gives
// 0 x 0.
BitmapSize ReadBitmapSize(const std::string& path);

}  // namespace gridlet
