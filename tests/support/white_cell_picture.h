#pragma once
// A small picture over the console's cells, for the tests of how it is shown.

#include "platform/cell_picture.h"

namespace gridlet {

// Two rows of three cells (rows 2 and 3, columns 11 to 13) over a 12 x 8 white picture, four
// pixels a cell each way.
inline CellPicture WhiteCellPicture() {
    CellPicture picture;
    picture.cells = {2, 11, 3, 13};
    picture.xEdges = {0, 4, 8, 12};
    picture.yEdges = {0, 4, 8};
    picture.width = 12;
    picture.height = 8;
    picture.rgb.assign(12 * 8 * 3, 0xFF);
    return picture;
}

}  // namespace gridlet
