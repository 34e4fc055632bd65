#pragma once
// The common ending of every object command: the object the command built joins the design's
// list, its block the accumulators, its mark the grid, and its placement the undo history.

#include <optional>

#include "interact/context.h"
#include "model/design_object.h"
#include "model/object_kind.h"

namespace gridlet {

// The object a drawing tool has built: the design's object number, the values its pending block
// was built from, the block (or the block the move menu sent to the back, for the back layer; a
// paint that is object 1 is the background), and the mark.
DesignObject PendingDesignObject(const Context& context, ObjectKind kind, GridMark mark);

// Writes back the pass's snapshot (the screen under the marks is taken from it the first time),
// draws the object's mark, and records the placement: list, accumulators and history together,
// or, when anything fails, none of them. Undo leaves leftover in its place. The pending object's
// working strings are emptied and the line keep flag cleared.
void RecordObject(Context& context, DesignObject object,
                  std::optional<DesignObject> leftover = std::nullopt);

// The drawing tools' ending: the pending object recorded with its mark; arcStart and arcEnd are
// emptied after an arc or pie, lineWidth and edgeColor after a line.
void RecordObject(Context& context, ObjectKind kind, GridMark mark);

}  // namespace gridlet
