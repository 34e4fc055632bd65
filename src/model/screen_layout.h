#pragma once
// Where the fixed screen's parts lie: the design grid between the strips and the hint row under
// them.

#include "platform/cell_rect.h"

namespace gridlet {

// The row under the strips and the grid, for hints, readouts and notices.
constexpr int kHintRow = 46;

// The design grid: the cells an area is marked on before the window exists.
constexpr CellRect kDesignGrid{1, 11, 45, 80};

// Before the window exists, a first corner may lie anywhere down to the row below the grid and
// up to the grid's right column.
constexpr int kAreaBottomBound = 47;

}  // namespace gridlet
