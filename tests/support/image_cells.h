#pragma once
// The character and attribute of one cell of a stored image (1-based, within the image), and
// whether a screen's cells show an image.

#include <cstdint>
#include <vector>

#include "platform/console.h"
#include "platform/console_backend.h"
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

// True when the image's rectangle of the screen's cells shows exactly the image.
inline bool CellsShow(const std::vector<Cell>& cells, const ImageInfo& image) {
    std::size_t i = 0;
    for (int row = image.topRow; row <= image.bottomRow; ++row) {
        for (int col = image.leftCol; col <= image.rightCol; ++col, i += 2) {
            const Cell& cell = cells[static_cast<std::size_t>((row - 1) * kScreenWidth + col - 1)];
            if (cell.ch != static_cast<std::uint8_t>(image.bytes[i]) ||
                cell.attr != static_cast<std::uint8_t>(image.bytes[i + 1])) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace gridlet
