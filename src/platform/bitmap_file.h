#pragma once
// Bitmap files: the size in pixels that their header gives, and their pixels.

#include <cstdint>
#include <optional>
#include <stdexcept>
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

// A bitmap whose decoding is refused; what() says why.
class BitmapRefused : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Nothing for a file that ReadBitmapSize finds unreadable, or whose pixels cannot be decoded.
// Throws BitmapRefused, before decoding, for a bitmap of more than 64 megapixels, one whose
// pixels would take more than 1,000 times the file's size, and an uncompressed one whose file is
// shorter than its pixels: only what the file holds is decoded.
std::optional<BitmapPixels> ReadBitmapPixels(const std::string& path);

}  // namespace gridlet
