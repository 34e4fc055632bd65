#pragma once
// The drawing tools as commands of the main loop.

#include <cstdint>

#include "design/tool_paint.h"
#include "interact/context.h"

namespace gridlet {

// Runs the drawing tool of the command code on the pass's marked area; false when the code names
// no drawing tool. Paint replace has no code: the main loop calls PaintReplaceTool itself.
bool RunDrawingTool(Context& context, std::int16_t command);

}  // namespace gridlet
