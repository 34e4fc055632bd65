#pragma once
// The character and attribute of one cell of a stored image (1-based, within the image).

#include <cstdint>

#include "screen/image_info.h"

namespace gridlet {

inline std::uint8_t CharAt(const ImageInfo& image, int row, int col) {
    const int width = image.rightCol - image.leftCol + 1;
    return static_cast<std::uint8_t>(
        image.bytes[static_cast<std::size_t>(2 * ((row - 1) * width + col - 1))]);
}

inline std::uint8_t AttrAt(const ImageInfo& image, int row, int col) {
    const int width = image.rightCol - image.leftCol + 1;
    return static_cast<std::uint8_t>(
        image.bytes[static_cast<std::size_t>(2 * ((row - 1) * width + col - 1) + 1)]);
}

}  // namespace gridlet
