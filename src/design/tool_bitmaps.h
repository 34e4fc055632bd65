#pragma once
// The bitmap tools: a bitmap file rendered stretched to the marked area, or at its own size from
// the area's top left corner.

#include "interact/context.h"

namespace gridlet {

void StretchedBitmapTool(Context& context);
void NaturalBitmapTool(Context& context);

}  // namespace gridlet
