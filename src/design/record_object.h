#pragma once
// The common ending of every object command: the pending block joins its kind's accumulator and
// the undo history, and the object is marked on the grid.

#include <functional>
#include <string>

#include "interact/context.h"
#include "model/object_kind.h"

namespace gridlet {

// Draws the tool's mark for the object on the grid.
using GridMarker = std::function<void()>;

// Appends pendingStatement to the kind's accumulator (a paint that is object 1 replaces
// backgroundPaintCode instead; a block the move menu sent to the back goes in front of
// backLayerCode), writes back the pass's snapshot, saves the screen for undo, draws the marker,
// and pushes block and screen onto the history: code and undo entry together, or, when anything
// fails, neither. The working strings are emptied, the line keep flag cleared, arcStart and
// arcEnd emptied after an arc or pie, lineWidth and edgeColor after a line.
void RecordObject(Context& context, ObjectKind kind, const GridMarker& drawMarker);

// The same ending for the text tools' objects: pendingStatement joins the kind's accumulator, and
// the history takes undoText, which the accumulator must hold for Undo to find it.
void RecordStatement(Context& context, ObjectKind kind, std::string undoText,
                     const GridMarker& drawMarker);

}  // namespace gridlet
