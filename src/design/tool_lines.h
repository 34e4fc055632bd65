#pragma once
// Line and line step, both marked on the grid with a yellow run.

#include "interact/context.h"

namespace gridlet {

// Always black and two pixels wide at placement; the keep flag holds the chosen width and colour
// over the pass for the move menu's Preview.
void LineTool(Context& context);

// A line from the last point drawn to the area's first corner.
void LineStepTool(Context& context);

}  // namespace gridlet
