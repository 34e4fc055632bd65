#pragma once

#include "app/context.h"

namespace gridlet {

// Turns the area of the pass into the graphic window: everything outside it is cleared, and from
// then on every area must start inside it. Does nothing once the window exists.
void WindowCommand(Context& context);

}  // namespace gridlet
