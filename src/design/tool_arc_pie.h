#pragma once
// Arc and pie: the angles come from the arc menu, then the properties menu opens.

#include "interact/context.h"

namespace gridlet {

void ArcTool(Context& context);
void PieTool(Context& context);

}  // namespace gridlet
