#include "output/grid_picture.h"

#include "model/pixel_mapping.h"

namespace gridlet {

CellPicture WindowCellPicture(const Design& design, const RgbImage& picture) {
    CellPicture cells;
    cells.cells = {design.windowTopRow, design.windowLeftCol, design.windowBottomRow,
                   design.windowRightCol};
    for (int col = design.windowLeftCol; col <= design.windowRightCol + 1; ++col)
        cells.xEdges.push_back(PixelX(col, design.windowLeftCol, 0));
    for (int row = design.windowTopRow; row <= design.windowBottomRow + 1; ++row)
        cells.yEdges.push_back(PixelY(row, design.windowTopRow, 0));
    cells.width = picture.width;
    cells.height = picture.height;
    cells.rgb = picture.pixels;
    return cells;
}

}  // namespace gridlet
