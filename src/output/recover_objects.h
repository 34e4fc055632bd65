#pragma once
// The objects of a design read from a file: the accumulators' code given back as the list that
// writes it again, byte for byte.

#include <vector>

#include "model/design.h"

namespace gridlet {

// The objects that write the design's accumulators, back layer, background paint and DoString
// body exactly as they stand.
std::vector<DesignObject> RecoverObjects(const Design& design);

}  // namespace gridlet
