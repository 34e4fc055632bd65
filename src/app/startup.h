#pragma once

#include "interact/context.h"

namespace gridlet {

constexpr char kConsoleTitle[] = "   Gridlet Beta 05 for PBwin9   ";

// Shapes the console, shows the opening screen and the title panel, paints the main screen and
// offers to open a previous design. The main loop comes next.
void StartUp(Context& context);

}  // namespace gridlet
