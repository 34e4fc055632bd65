#pragma once
// The area marked in the current pass: its corners' rows and columns, inclusive; all 0 when the
// pass marked none.

#include <cstdint>

#include "platform/cell_rect.h"

namespace gridlet {

struct MarkedArea {
    std::int32_t AreaTop = 0;
    std::int32_t AreaBottom = 0;
    std::int32_t AreaLeft = 0;
    std::int32_t AreaRight = 0;

    CellRect Rect() const { return {AreaTop, AreaLeft, AreaBottom, AreaRight}; }
    bool Marked() const {
        return AreaTop != 0 || AreaLeft != 0 || AreaBottom != 0 || AreaRight != 0;
    }
};

}  // namespace gridlet
