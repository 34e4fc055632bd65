#include "design/window_command.h"

#include "codegen/window_emitter.h"
#include "design/tool_course.h"
#include "model/command_codes.h"
#include "screen/popups.h"

namespace gridlet {
namespace {

// A right click ends the area phase without an area and leaves all four corners 0.
bool AreaMarked(const PassState& pass) {
    return pass.area.AreaTop != 0 || pass.area.AreaLeft != 0 || pass.area.AreaBottom != 0 ||
           pass.area.AreaRight != 0;
}

}  // namespace

bool CreateWindow(Design& design, const CellRect& area, const Properties& properties) {
    if (design.windowExists != 0) return false;
    const WindowTexts window =
        EmitWindow(area, properties, design.objectNumber, design.windowBackgroundCode);
    design.windowExists = 1;
    design.windowLeftCol = area.left;
    design.windowTopRow = area.top;
    design.windowRightCol = area.right;
    design.windowBottomRow = area.bottom;
    design.windowX = window.windowX;
    design.windowY = window.windowY;
    design.windowWidth = window.windowWidth;
    design.windowHeight = window.windowHeight;
    design.subHeader = window.subHeader;
    design.windowCode = window.windowCode;
    design.windowBackgroundCode = window.windowBackgroundCode;
    return true;
}

void WindowCommand(Context& context) {
    Design& design = context.design;
    PassState& pass = context.pass;
    Screen& screen = context.screen;
    PressToolButton(context.screen, kWindowCommand);
    screen.RestoreScreen(pass.snapshot);
    if (design.windowExists != 0) return;
    // A window made of no area would leave no cell where a later area could start.
    if (!AreaMarked(pass)) {
        AreaNeededMessage(context.console, screen);
        return;
    }
    CreateWindow(design, pass.area.Rect(), pass.current.properties);

    // Keep only the window area of the grid on screen.
    context.console.SetColor(kClearedForeground, kClearedBackground);
    CellRect window = pass.area.Rect();
    const std::string cells = screen.ReadCellBlock(window);
    context.console.ClearScreen();
    screen.WriteCellBlock(window, cells);
}

}  // namespace gridlet
