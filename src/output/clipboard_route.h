#pragma once
// The Build route: the composed code goes to the clipboard and a panel says so for a second.

#include <string>

#include "interact/context.h"
#include "model/design.h"
#include "model/pass_state.h"

namespace gridlet {

// Where the code goes, in the current directory, when no clipboard can be reached.
constexpr char kClipboardFile[] = "Gridlet-clipboard.bas";

// Sections 1 to 38; graphic-window code (buildRequest 1) is closed with " END SUB", printer code
// is already closed by its section 38.
std::string ClipboardText(const SectionTable& sections, int buildRequest);

// Places ClipboardText of design.sections on the clipboard, beeps twice, shows the completion
// panel for 1 s, restores the screen, and clears programText and the build and preview requests.
// The main loop holds its command key only for the pass, so nothing else is pending. When no
// clipboard confirmed the text it is also written to kClipboardFile, and the next area phase
// says so.
void RunClipboardRoute(Context& context);

}  // namespace gridlet
