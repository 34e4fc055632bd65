#pragma once
// The two paint tools: paint up to a border, and paint replacing the colour under the point.

#include "interact/context.h"

namespace gridlet {

// PaintBo: the design's first object fills the background; later paints join the paints.
void PaintTool(Context& context);

// PaintRP: run directly by the main loop, which shows the pressed button and sets the
// paint-replace target around the call.
void PaintReplaceTool(Context& context);

}  // namespace gridlet
