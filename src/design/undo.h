#pragma once
// Undo and Redo: the newest change of the design taken back, or the newest one taken back made
// again; the grid shows the marks of the objects that remain.

#include "interact/context.h"

namespace gridlet {

void Undo(Context& context);
void Redo(Context& context);

}  // namespace gridlet
