#pragma once
// What makes the composed routine a complete program for the preview and the code view: PBMAIN.

#include <string>

#include "model/design.h"
#include "model/sections.h"

namespace gridlet {

// Puts PBMAIN into sections 45 to 51 and gives sections 1 to 51 in order. PBMAIN calls GraficWin,
// gives the string variables their values, calls DoString when there is one, waits for a key and
// closes the window. Printer code gets the same.
std::string CompleteProgram(SectionTable& sections, const Design& design);

}  // namespace gridlet
