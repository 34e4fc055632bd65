#pragma once
// The marks that recorded objects leave on the design grid, drawn over the marked area.

#include <string>

#include "platform/cell_rect.h"
#include "screen/screen.h"

namespace gridlet {

// "P" at the area's first corner, in the console's current text colours (both paint tools).
void DrawLetterP(Screen& screen, const CellRect& area);

// A frame round the area, light on its top and left edges and black on the others. An area one
// column wide, or with its right column left of its left one, gets the frame's left edge alone.
void DrawOutline(Screen& screen, const CellRect& area);

// The outline, and inside it the bitmap's name without its extension (both bitmap tools).
void DrawOutlineAndName(Screen& screen, const CellRect& area, const std::string& bitmapName);

// A yellow run along a one-row area, else down the area's left column (line and line step).
void DrawLineMarker(Screen& screen, const CellRect& area);

}  // namespace gridlet
