#pragma once
// The program composition: the accumulators placed into the section table in a fixed order, and
// the output route chosen from the request flags.

#include "app/context.h"
#include "design/design_state.h"

namespace gridlet {

// The section table for the current request flags, built afresh from the accumulators and the
// move menu's state; printer code when no flag is 1 and one is 2.
SectionTable ComposeSections(const DesignState& state);

// Composes into state.sections, then runs the route the requests ask for: the clipboard route for
// Build. The preview and code-view routes are not part of this program yet, so for those
// requests the composition ends with the sections.
void ComposeProgram(Context& context);

}  // namespace gridlet
