#include "design/window_command.h"

#include "codegen/window_emitter.h"
#include "screen/images.h"

namespace gridlet {

void WindowCommand(Context& context) {
    DesignState& s = context.state;
    Screen& screen = context.screen;
    PaintLeftWindowPressed(screen);
    context.console.Sleep(300);
    screen.RestoreScreen(s.snapshot);
    if (s.windowExists != 0) return;

    EmitWindow(s);
    s.windowRightCol = s.AreaRight;
    s.windowBottomRow = s.AreaBottom;

    // Keep only the window area of the grid on screen.
    context.console.SetColor(0, 7);
    int top = s.AreaTop, left = s.AreaLeft, bottom = s.AreaBottom, right = s.AreaRight;
    std::string area;
    screen.ReadCellBlock(top, left, bottom, right, area);
    context.console.ClearScreen();
    screen.WriteCellBlock(top, left, bottom, right, area);
}

}  // namespace gridlet
