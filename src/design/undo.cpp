#include "design/undo.h"

#include "design/grid_markers.h"
#include "interact/strip_buttons.h"
#include "model/design_changes.h"

namespace gridlet {
namespace {

// The Undo button shows pressed only when there is something to take back or make again.
void Step(Context& context, const std::vector<ObjectChange>& from, bool (*step)(Design&)) {
    if (from.empty()) return;
    PressButton(context.screen, RequestButton(AreaRequest::Undo));
    step(context.design);
    RedrawGrid(context.screen, context.design);
    context.pass.current.lineKeepFlag = false;
}

}  // namespace

void Undo(Context& context) {
    Step(context, context.design.history.done, UndoChange);
}

void Redo(Context& context) {
    Step(context, context.design.history.undone, RedoChange);
}

}  // namespace gridlet
