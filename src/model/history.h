#pragma once
// Undo and redo: every change to the design's objects is kept as the object it took away and the
// object it put in its place, with their places in the list. Undo puts back what a change took
// away; redo makes the change again. A new change drops what was undone.

#include <cstddef>
#include <optional>
#include <vector>

#include "model/design_object.h"

namespace gridlet {

struct ObjectChange {
    // What the change took away, and where it stood; nothing for a placement.
    std::size_t beforeIndex = 0;
    std::optional<DesignObject> before;
    // What it put in, and where it stands once the object before is gone; nothing for a delete.
    std::size_t afterIndex = 0;
    std::optional<DesignObject> after;
};

struct History {
    std::vector<ObjectChange> done;  // the newest last
    std::vector<ObjectChange> undone;
};

// Makes the change on the list: the object before taken out, then the object after put in.
void ApplyChange(std::vector<DesignObject>& objects, const ObjectChange& change);

// Takes the change back: the object after taken out, the object before put back.
void RevertChange(std::vector<DesignObject>& objects, const ObjectChange& change);

}  // namespace gridlet
