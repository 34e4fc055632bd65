#pragma once
// The objects panel: the design's objects listed newest first over part of the screen, the
// selected one's mark picked out on the grid beside it, and the changes it makes to that object.

#include "interact/context.h"

namespace gridlet {

// Runs until Esc or Close. Up, Down, Home and End, a click on a row, or a click on a mark outside
// the panel select an object; Properties (P or Enter), Move (M), To back (B), To front (F) and
// Delete (D or Delete), by button or key, act on it; u or Backspace undoes the newest change, r
// or Ctrl+Y redoes. The panel covers the screen's top rows while the selected mark lies under
// its place at the bottom. What it covered comes back, with the changes made.
void ObjectsPanel(Context& context);

}  // namespace gridlet
