#pragma once
// Turns the composed graphic-window sections into printer code: the window set-up becomes the
// printer attach and scale, paints are dropped, GRAPHIC becomes XPRINT, and the routine ends with
// a form feed and close.

#include "model/sections.h"

namespace gridlet {

SectionTable ConvertToPrinterCode(SectionTable sections);

}  // namespace gridlet
