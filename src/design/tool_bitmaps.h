#pragma once
// The bitmap tools: a bitmap file rendered stretched to the marked area, or at its own size from
// the area's top left corner.

#include <cstdint>
#include <string>

#include "interact/context.h"
#include "platform/cell_rect.h"

namespace gridlet {

// The name a bitmap's mark shows: the part of its path after the last separator.
std::string BitmapFileName(const std::string& path);

// The cells a bitmap of this size in pixels covers from a top left cell on: its mark's area.
CellRect BitmapCells(int top, int left, std::int32_t width, std::int32_t height);

void StretchedBitmapTool(Context& context);
void NaturalBitmapTool(Context& context);

}  // namespace gridlet
