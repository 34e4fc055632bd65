#pragma once
// A stored cell image: its name, the rectangle it is painted in, and 2 bytes a cell (character,
// attribute), row by row.

#include <string_view>

#include "platform/cell_rect.h"

namespace gridlet {

struct ImageInfo {
    std::string_view name;
    int leftCol, rightCol, topRow, bottomRow;
    std::string_view bytes;

    CellRect Rect() const { return {topRow, leftCol, bottomRow, rightCol}; }
};

}  // namespace gridlet
