#pragma once
// The CodView route: the complete program goes to Testgui.bas in the current directory and opens
// in the user's editor, in this terminal; Gridlet waits for the editor and then takes the
// terminal back and repaints the whole screen.

#include "interact/context.h"
#include "model/sections.h"

namespace gridlet {

// The row-46 notice when no editor could be started.
constexpr char kNoEditorText[] =
    " No editor found: set VISUAL or EDITOR, or install sensible-editor, editor, nano or vi    ";

// Runs with the composed sections. A file that cannot be written throws a FileError for the main
// loop's error trap: 70 for a file that cannot be replaced, one naming the folder when the folder
// takes no new file.
void RunCodeViewRoute(Context& context, SectionTable sections);

}  // namespace gridlet
