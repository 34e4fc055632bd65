#pragma once
// The arc and pie menu: sets the start and end angles from two presets or two typed numbers.

#include "interact/context.h"

namespace gridlet {

// Takes two clicks (or one on the type-in button) and sets arcStart and arcEnd. The panel stays
// on the screen; the caller's snapshot removes it.
void ArcMenu(Context& context);

}  // namespace gridlet
