#pragma once
// The Undo command: the newest recorded object leaves the code and the grid.

#include "interact/context.h"

namespace gridlet {

// Removes the newest history entry's block from the text that holds it and puts back the screen
// from before that object was marked. Does nothing when the history is empty.
void Undo(Context& context);

// Writes the newest screen entry back, pops both stacks and clears the line keep flag.
void PopHistory(Context& context);

}  // namespace gridlet
