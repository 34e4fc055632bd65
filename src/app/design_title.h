#pragma once
// The terminal's title while the user designs.

#include <string>

#include "model/design.h"
#include "platform/console.h"

namespace gridlet {

// "Gridlet - " and the name of the design's file, or "new design" while it has none, with " *"
// while the design has changes not saved; in code page 437, as the console takes it.
std::string DesignTitle(const Design& design);

// Sets the console's title to the design's, when it says something else.
void ShowDesignTitle(Console& console, const Design& design);

}  // namespace gridlet
