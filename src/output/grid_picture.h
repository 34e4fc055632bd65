#pragma once
// The design's picture laid over the window area of the grid, each cell over the pixels that the
// pixel mapping gives it.

#include "model/design.h"
#include "platform/cell_picture.h"
#include "render/rgb_image.h"

namespace gridlet {

CellPicture WindowCellPicture(const Design& design, const RgbImage& picture);

}  // namespace gridlet
