#pragma once
// Bitmap files: the size in pixels that their header gives, and their pixels.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace gridlet {

struct BitmapSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// A file that cannot be read as an image, or whose width or height is above 32767 pixels, gives
// 0 x 0.
BitmapSize ReadBitmapSize(const std::string& path);

struct BitmapPixels {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint8_t> rgb;  // 3 bytes a pixel, rows from the top
};

// Nothing for a file that ReadBitmapSize finds unreadable, or whose pixels cannot be decoded.
std::optional<BitmapPixels> ReadBitmapPixels(const std::string& path);

}  // namespace gridlet
