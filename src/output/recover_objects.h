#pragma once
// The objects of a design read from a file: the code of its accumulators, back layer, background
// paint and DoString body read back as the objects that wrote it, each with its mark, in the order
// they were placed, and with their placements to undo. The list writes the code again byte for
// byte; code that cannot be read back as an object is kept as written.

#include <string>
#include <vector>

#include "model/design.h"
#include "screen/screen.h"

namespace gridlet {

struct RecoveredObjects {
    std::vector<DesignObject> objects;
    History history;  // each object's placement, the newest last; code kept as written has none
};

// The objects that write the design's code exactly as it stands, read from it. storedScreen, the
// screen the file keeps, gives the colours of the paints' letters and the reach of the marks the
// code does not say; the screen shows it afterwards.
RecoveredObjects RecoverObjects(Screen& screen, const Design& design,
                                const std::string& storedScreen);

}  // namespace gridlet
