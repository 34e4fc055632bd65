#pragma once
// The Preview route: the complete program goes to Testgui.bas in the current directory and to the
// clipboard, then either the target compiler under wine builds Testgui.exe and starts it, or,
// where the compiler is not installed, the program's picture is drawn here, written to
// Testgui.png beside it and shown over the design until a key or a click.

#include "interact/context.h"
#include "model/sections.h"

namespace gridlet {

// Runs with the composed sections. A file that cannot be deleted or written throws BasicError 70,
// for the main loop's error trap.
void RunPreviewRoute(Context& context, SectionTable sections);

}  // namespace gridlet
