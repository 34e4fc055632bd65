#pragma once
// The objects of a design read from a file: the code of its accumulators, back layer, background
// paint and DoString body read back as the objects that wrote it, each with its mark, in the order
// they were placed, and with their placements to undo. The list writes the code again byte for
// byte; code that cannot be read back as an object is kept as written.

#include <string_view>
#include <vector>

#include "model/design.h"

namespace gridlet {

struct RecoveredObjects {
    std::vector<DesignObject> objects;
    History history;  // each object's placement, the newest last; code kept as written has none
};

// The objects that write the design's code exactly as it stands, read from it. storedScreen, the
// screen the file keeps, gives the colours of the paints' letters.
RecoveredObjects RecoverObjects(const Design& design, std::string_view storedScreen);

}  // namespace gridlet
