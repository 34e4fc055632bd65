#pragma once
// The mark of an object found back from its values: the cells its pixels map to in the window,
// marked as its tool marks them. What a design file's objects show on the grid once read back.

#include <cstdint>

#include "model/design.h"
#include "model/design_object.h"

namespace gridlet {

// The mark of an object of this kind with these values in the design's window. A paint's letter
// takes letterAttribute. What the block does not say is left out: a line step's mark is its first
// cell, a paint's its point, a text's area is as wide as its line width and as high as its lines,
// a string variable's run as wide as its name, and a string variable not yet printed has none.
GridMark MarkOfValues(ObjectKind kind, const ObjectValues& values, const Design& design,
                      std::uint8_t letterAttribute);

}  // namespace gridlet
