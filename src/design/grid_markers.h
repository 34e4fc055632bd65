#pragma once
// The marks that recorded objects leave on the design grid, drawn over the marked area.

#include <cstdint>
#include <string>

#include "model/design.h"
#include "model/design_object.h"
#include "platform/cell_rect.h"
#include "screen/screen.h"

namespace gridlet {

// "P" at the area's first corner, in the colours of an attribute (both paint tools draw it in
// the console's current text colours).
void DrawLetterP(Screen& screen, const CellRect& area, std::uint8_t attribute);

// A frame round the area, light on its top and left edges and black on the others. An area one
// column wide, or with its right column left of its left one, gets the frame's left edge alone.
void DrawOutline(Screen& screen, const CellRect& area);

// The outline, and inside it the bitmap's name without its extension (both bitmap tools).
void DrawOutlineAndName(Screen& screen, const CellRect& area, const std::string& bitmapName);

// A yellow run along a one-row area, else down the area's left column (line and line step).
void DrawLineMarker(Screen& screen, const CellRect& area);

// A text: an area of more than one row and column gets the outline, and "Static" inside when it
// is wide enough; a one-row area a light-grey shaded run, a single cell widened to two; a
// one-column area nothing.
void DrawTextMarker(Screen& screen, const CellRect& area);

// A string variable, on a one-row area only: its name and a shaded run, as wide as the area (a
// single cell widened to two); a name longer than that is cut.
void DrawStringMarker(Screen& screen, const CellRect& area, const std::string& name);

// The mark as its kind draws it.
void DrawMark(Screen& screen, const GridMark& mark);

// The cells a mark takes up, as a rectangle whose edges its mark draws on: one cell for the letter
// P, a run for a one-row marker, the frame's rectangle for an outline; the marked area for a mark
// that draws nothing.
CellRect MarkExtent(const GridMark& mark);

// The mark picked out: the cells on the edges of its extent keep their characters in white on
// red.
void HighlightMark(Screen& screen, const GridMark& mark);

// The design's grid as placing its objects in order leaves it: the screen under the marks with
// every object's mark drawn over it.
void RedrawGrid(Screen& screen, const Design& design);

}  // namespace gridlet
