#pragma once

#include <optional>
#include <string>

#include "app/main_loop.h"
#include "interact/context.h"
#include "output/design_file.h"

namespace gridlet {

constexpr char kConsoleTitle[] = "   Gridlet Beta 05 for PBwin9   ";

// A design file named on the command line: what it holds, or nothing when it does not exist yet.
struct GivenDesign {
    std::string path;
    std::optional<DesignFileContents> contents;
};

// Shapes the console, removes the temporary files of saves killed in the current directory, shows
// the opening screen and the title panel, paints the main screen and opens a design: the one given
// (from the command line) without asking, a new one that belongs to the file given when that does
// not exist (row 46 says so), or else, under the main loop's error trap, the newest recovery file
// of the current directory after Yes to a question that names it, or one the user chooses after
// Yes to "Open a previous Window?". The main loop comes next.
void StartUp(Context& context, MainLoop& loop,
             const std::optional<GivenDesign>& givenDesign = std::nullopt);

}  // namespace gridlet
