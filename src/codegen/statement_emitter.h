#pragma once
// The statement block of every object kind, as a tool first builds it and as the move menu's
// Preview rebuilds it from the shifted coordinates.

#include "codegen/object_kind.h"
#include "design/design_state.h"

namespace gridlet {

// Builds pendingStatement for a tool at placement from x1, y1, x2, y2, objectNumber, the current
// properties and the tool's own values. A star stores " 5 " for a cornerSidesPoints of "0" and
// "%BLACK" for an empty edgeColor back into the properties; a polygon stores " 8 ".
void EmitStatement(DesignState& state, ObjectKind kind);

// Rebuilds pendingStatement for the move menu's Preview; the kind comes from the first set flag.
// Right-strip text and the string tool rebuild their own text, so for them, and when no flag is
// set, pendingStatement stays as it is.
void RegenerateStatement(DesignState& state);

}  // namespace gridlet
