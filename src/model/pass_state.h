#pragma once
// The state of the pass in progress, owned by the main loop and split by lifetime: the marked
// area and the screen of one pass, the object a command builds, the current properties, and what
// dialogs remember. No design file keeps any of it.

#include <string>

#include "model/dialog_memory.h"
#include "model/marked_area.h"
#include "model/pending_object.h"
#include "model/properties.h"

namespace gridlet {

struct PassState {
    MarkedArea area;
    PendingObject pending;
    CurrentProperties current;
    DialogMemory memory;
    // The main loop's whole-screen snapshot of the current pass.
    std::string snapshot;
    // What the next area phase shows on row 46 in place of its blank row (code page 437), such as
    // where the code went when no clipboard took it; shown once.
    std::string hintRowNotice;
    // The window area shows the design's picture in place of the marks (F2).
    bool pictureView = false;
};

}  // namespace gridlet
