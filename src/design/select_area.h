#pragma once
// The area phase: marking two corners on the design grid, or a button that needs no area.

#include "interact/context.h"

namespace gridlet {

enum class AreaOutcome { Marked, Request, Nothing };

// Sets pass.AreaTop/Bottom/Left/Right, or one of pass.requests.
AreaOutcome SelectArea(Context& context);

}  // namespace gridlet
