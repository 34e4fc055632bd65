#pragma once
// The changes a design's object list goes through, each kept for undo and redo with the
// accumulators written afresh: a placement, and a change of one object (edit, delete, move to the
// back or out again). Each is made whole or, when anything fails, not at all.

#include <optional>

#include "model/design.h"

namespace gridlet {

// The object joins the end of the list. Undo takes it away again, leaving leftover in its place
// when there is one (a string variable's font head stays in the DoString body).
void RecordPlacement(Design& design, DesignObject object,
                     std::optional<DesignObject> leftover = std::nullopt);

// Makes a change of the list (ApplyChange) and keeps it for undo; what was undone is dropped.
void MakeChange(Design& design, ObjectChange change);

// Take back the newest change, or make the newest undone one again; false when there is none.
bool UndoChange(Design& design);
bool RedoChange(Design& design);

}  // namespace gridlet
