#pragma once
// What Undo would take back and show, looked at without undoing: the block of the newest change's
// object, and the screen Undo would leave.

#include <string>

#include "design/grid_markers.h"
#include "model/design.h"
#include "model/design_changes.h"
#include "screen/screen.h"

namespace gridlet {

// The block of the object the newest change put in; empty when there is none.
inline std::string NewestBlock(const Design& design) {
    if (design.history.done.empty() || !design.history.done.back().after) return {};
    return design.history.done.back().after->block;
}

inline bool NothingToUndo(const Design& design) {
    return design.history.done.empty();
}

// The screen the newest undo would show; the screen itself is left as it is.
inline std::string ScreenUndoWouldShow(Screen& screen, const Design& design) {
    Design undone = design;
    UndoChange(undone);
    std::string now;
    screen.SaveScreen(now);
    RedrawGrid(screen, undone);
    std::string shown;
    screen.SaveScreen(shown);
    screen.RestoreScreen(now);
    return shown;
}

}  // namespace gridlet
