#pragma once

#include <optional>

#include "app/main_loop.h"
#include "interact/context.h"
#include "output/design_file.h"

namespace gridlet {

constexpr char kConsoleTitle[] = "   Gridlet Beta 05 for PBwin9   ";

// Shapes the console, removes the temporary files of saves killed in the current directory, shows
// the opening screen and the title panel, paints the main screen and opens a design: the one given
// (from the command line) without asking, or else one the user chooses after Yes to "Open a
// previous Window?", under the main loop's error trap. The main loop comes next.
void StartUp(Context& context, MainLoop& loop,
             const std::optional<DesignFileContents>& givenDesign = std::nullopt);

}  // namespace gridlet
