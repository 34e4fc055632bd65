#pragma once
// The Build route: the composed code goes to the clipboard and a panel says so for a second.

#include <string>

#include "interact/context.h"
#include "model/output_request.h"
#include "model/sections.h"

namespace gridlet {

// Where the code goes, in the current directory, when no clipboard can be reached.
constexpr char kClipboardFile[] = "Gridlet-clipboard.bas";

// The sections of the routine; graphic-window code is closed with " END SUB", printer code is
// already closed by its last section.
std::string ClipboardText(const SectionTable& sections, CodeForm form);

// Places ClipboardText of the sections on the clipboard, beeps twice, shows the completion panel
// for 1 s and restores the screen. When no clipboard confirmed the text it is also written to
// kClipboardFile, and the next area phase says so.
void RunClipboardRoute(Context& context, const SectionTable& sections, CodeForm form);

}  // namespace gridlet
