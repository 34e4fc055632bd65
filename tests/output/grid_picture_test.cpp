#include "output/grid_picture.h"

#include <gtest/gtest.h>

#include "support/window_design.h"

namespace gridlet {
namespace {

// Each cell of the window area covers the pixels from its own mapped corner to the next cell's:
// columns are 11 or 12 pixels wide as 11.45 rounds, rows 23; the last ones are cut to the picture.
TEST(WindowCellPicture, EachCellCoversThePixelsTheMappingGivesIt) {
    const Design design = WindowDesign();
    RgbImage image;
    image.width = 60;
    image.height = 50;
    image.pixels.assign(60 * 50 * 3, 0);
    const CellPicture picture = WindowCellPicture(design, image);
    const int top = design.windowTopRow;
    const int left = design.windowLeftCol;
    EXPECT_EQ(picture.cells, (CellRect{top, left, design.windowBottomRow, design.windowRightCol}));
    const struct {
        int row;
        int col;
        PixelBox box;
    } cases[] = {
        {top, left, {0, 0, 11, 23}},           {top, left + 1, {11, 0, 23, 23}},
        {top, left + 2, {23, 0, 34, 23}},      {top + 1, left + 3, {34, 23, 46, 46}},
        {top + 2, left + 5, {57, 46, 60, 50}}, {top + 3, left + 6, {60, 50, 60, 50}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CellPixelBox(picture, c.row, c.col), c.box) << c.row << "," << c.col;
}

}  // namespace
}  // namespace gridlet
