#pragma once
// The move menu: shifts the object a tool has just built by pixels, previews it, changes the
// text's column width and sends the object to the back, before the tool records it.

#include <functional>

#include "interact/context.h"

namespace gridlet {

// How the menu's Preview rebuilds the pending object from the shifted coordinates: into
// pendingStatement, or, for the string tool, into its DoString body.
using PreviewRebuild = std::function<void(Context&)>;

// Runs until Accept. Clicks on the direction buttons shift both points by the step, arrow keys
// the second point alone; the step buttons set the step; Preview rebuilds the object, composes
// the program with it and shows it; INCR and DECR Column Width change lineLimitColumn; Move to
// Back has Accept hand the block to RecordObject as sent to the back, for the front of
// backLayerCode (not for a line step). Any other key acts as a click where the pointer last moved
// while the menu waited. The strips' hints follow the pointer as in the tool phase. The panel
// stays on the screen.
void MoveMenu(Context& context, const PreviewRebuild& rebuild);

// The menu in a mode of its own while it runs, as the string, natural-size bitmap and line-step
// tools run it; the mode goes back to Object however the menu ends.
void MoveMenuAs(Context& context, MoveMenuMode mode, const PreviewRebuild& rebuild);

}  // namespace gridlet
