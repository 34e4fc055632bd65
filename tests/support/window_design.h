#pragma once
// A design holding only its graphic window, and the sections Build composes for a design.

#include "design/window_command.h"
#include "model/properties.h"
#include "output/compose_program.h"

namespace gridlet {

// The window over rows 5 to 30 and columns 20 to 49: 343 x 603 pixels at (103, 115).
inline Design WindowDesign() {
    Design design;
    CreateWindow(design, {5, 20, 30, 49}, Properties{});
    return design;
}

// The sections for Build with the button's code (1 graphic-window, 2 printer), without a move
// menu object.
inline SectionTable BuildSections(const Design& design, CodeForm form = CodeForm::GraphicWindow) {
    return ComposeSections(design, form);
}

}  // namespace gridlet
