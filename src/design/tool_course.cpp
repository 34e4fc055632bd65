#include "design/tool_course.h"

#include "design/pixel_mapping.h"
#include "screen/popups.h"

namespace gridlet {

void AbandonCommand(Context& context) {
    DesignState& s = context.state;
    context.screen.RestoreScreen(s.snapshot);
    s.snapshot.clear();
    // A refused line must not keep its width and colour for the next command.
    s.lineKeepFlag = false;
}

bool GraphicWindowExists(Context& context) {
    if (context.state.windowExists != 0) return true;
    WindowNeededMessage(context.console);
    AbandonCommand(context);
    return false;
}

bool AreaHasTwoColumns(Context& context) {
    if (context.state.AreaLeft != context.state.AreaRight) return true;
    AreaNeededMessage(context.console, context.screen);
    AbandonCommand(context);
    return false;
}

void MapFirstPoint(DesignState& state) {
    state.x1 = PixelX(state.AreaLeft, state.windowLeftCol, kNearOffset.ox);
    state.y1 = PixelY(state.AreaTop, state.windowTopRow, kNearOffset.oy);
}

void MapSecondPoint(DesignState& state, PixelOffset offset) {
    state.x2 = PixelX(state.AreaRight, state.windowLeftCol, offset.ox);
    state.y2 = PixelY(state.AreaBottom, state.windowTopRow, offset.oy);
}

void LiftNegativeY1(DesignState& state) {
    if (state.y1 < 0) state.y1 = 3;
}

}  // namespace gridlet
