#pragma once
// The objects panel's changes of an object's place and presence: into the back layer, out of it
// again, and away. Each goes through MakeChange, so Undo and Redo take it; false, with nothing
// changed, when the object cannot go there.

#include <cstddef>

#include "model/design.h"

namespace gridlet {

// Whether an object may be sent to the back: not a line step, which goes on from the point before
// it, not a string variable, which prints in its own routine, not the background paint, which is
// behind everything already, and not code kept as written.
bool CanGoToBack(const DesignObject& object);

// Sends the object to the back as the move menu's Move to Back does: it joins the end of the list
// with its block in the back layer, in front of the blocks sent there before it.
bool SendToBack(Design& design, std::size_t index);

// Takes an object out of the back layer again: it joins the end of the list with its block at the
// end of its kind's accumulator.
bool BringToFront(Design& design, std::size_t index);

// Removes the object; a string variable leaves its font head in the DoString body, as Undo does.
bool DeleteObject(Design& design, std::size_t index);

}  // namespace gridlet
