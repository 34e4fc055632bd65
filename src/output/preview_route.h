#pragma once
// The Preview route: the complete program goes to Testgui.bas in the current directory and to the
// clipboard, then either the target compiler under wine builds Testgui.exe and starts it, or,
// where the compiler is not installed, the program's picture is drawn here, written to
// Testgui.png beside it and shown over the design until a key or a click. A compiler that fails,
// or has not ended within 60 s and is killed, starts nothing and says so on row 46.

#include <string>

#include "interact/context.h"
#include "model/sections.h"
#include "platform/processes.h"

namespace gridlet {

// Runs with the composed sections. A file that cannot be written throws a FileError for the main
// loop's error trap: 70 for a file that cannot be replaced, one naming the folder when the folder
// takes no new file.
void RunPreviewRoute(Context& context, SectionTable sections);

// The row-46 notice of a compilation that did not succeed: its status, or that it was stopped.
std::string CompilerFailureText(const ProgramEnd& compiled);

}  // namespace gridlet
