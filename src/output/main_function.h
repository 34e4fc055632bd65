#pragma once
// What makes the composed routine a complete program for the preview and the code view: PBMAIN.

#include "model/design.h"

namespace gridlet {

// Sections 45 to 51: PBMAIN calls GraficWin, gives the string variables their values, calls
// DoString when there is one, waits for a key and closes the window. Printer code gets the same.
void AddMainFunction(SectionTable& sections, const Design& design);

}  // namespace gridlet
