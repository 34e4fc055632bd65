#include "interact/strip_buttons.h"

#include <array>
#include <stdexcept>

#include "interact/strip_pressed_art.h"
#include "model/command_codes.h"

namespace gridlet {
namespace {

constexpr std::size_t kHintWidth = 89;
constexpr int kButtonRows = 3;
constexpr int kToolPause = 300;
constexpr int kButtonPause = 200;

using enum Strip;
using enum ToolAction;
using Targets = PropertiesTargets;

constexpr bool Targets::*kNoTarget = nullptr;

// Rows from the top, three to a button; the tool phase's command, the area phase's request.
constexpr std::array<StripButton, 30> kButtons = {{
    {Left, 1, kTextCommand, &kLeftTextPressed, kToolPause,
     " Place Text on Window according to area. For a better Proportional fit, change font size",
     Command, kNoTarget, AreaRequest::None, false, false},
    {Left, 4, kStarCommand, &kLeftStarPressed, kToolPause,
     " Draw an outline of a Star. It can't be filled by XPRINT, but it can by Graphic", Command,
     kNoTarget, AreaRequest::None, false, false},
    {Left, 7, kPolygonCommand, &kLeftPolyPressed, kToolPause,
     " Draw a fillable Polygon. Colors, sides, etc  can be changed in Properties", Command,
     kNoTarget, AreaRequest::None, false, false},
    {Left, 10, kRectangleCommand, &kLeftRectangPressed, kToolPause,
     " Draw a fillable Rectangle. Colors, corner, etc can be changed in Properties", Command,
     kNoTarget, AreaRequest::None, false, false},
    {Left, 13, kEllipseCommand, &kLeftEllipsePressed, kToolPause,
     " Draw a fillable Circle or Oval. Colors, patterns can be changed in Properties", Command,
     kNoTarget, AreaRequest::None, false, false},
    {Left, 16, kLineCommand, &kLeftLinePressed, kToolPause,
     " Click twice in one spot and click here, click anywhere else and click linestep", Command,
     kNoTarget, AreaRequest::None, false, false},
    {Left, 19, kLineStepCommand, &kLeftLineStpPressed, kToolPause,
     " After clicking on Line, Click twice anywhere on grid and then click here", Command,
     kNoTarget, AreaRequest::None, false, false},
    {Left, 22, kPaintCommand, &kLeftPaintBoPressed, 0,
     " Click here to paint up to borders of matching colors as setup in properties", Command,
     kNoTarget, AreaRequest::None, false, false},
    {Left, 25, kNoCommand, &kLeftPaintRPPressed, kButtonPause,
     " Replace paint of area that was clicked twice on in one spot", PaintReplace,
     &Targets::paintReplace, AreaRequest::None, false, false},
    {Left, 28, kBmpCommand, &kLeftBmpPressed, kToolPause,
     " Render a Bmp starting at top left corner of area selected", Command, kNoTarget,
     AreaRequest::None, false, false},
    {Left, 31, kBmpStretchedCommand, &kLeftBmpStrhPressed, kToolPause,
     " Render a Bmp to the size of an area selected.", Command, kNoTarget, AreaRequest::None, false,
     false},
    {Left, 34, kWindowCommand, &kLeftWindowPressed, kToolPause,
     " Create a Window to size of the area selected on the grid. New grid is created", Command,
     kNoTarget, AreaRequest::None, false, false},
    {Left, 37, kArcCommand, &kLeftArcPressed, 0,
     " Create an ARC with default black line colors. Click on Right Menu's ARC for Moves", Command,
     kNoTarget, AreaRequest::None, false, false},
    {Left, 40, kPieCommand, &kLeftPiePressed, 0,
     " Create a PIE with default Black border colors and no Fill", Command, kNoTarget,
     AreaRequest::None, false, false},
    {Left, 43, kCodeOutputCommand, &kLeftBuildPressed, kToolPause,
     " Left click to build a Graphic Window Sub, Right click to build one for XPRINT", None,
     kNoTarget, AreaRequest::Build, true, true},

    {Right, 1, kTextCommand, &kRightTextPressed, kButtonPause,
     "Set up Fonts, Foreground and Background colors, Move Menu and INCR/DECR Text column width",
     TextProperties, &Targets::text, AreaRequest::None, false, false},
    {Right, 4, kStarCommand, &kRightStarPressed, kButtonPause,
     " Set up Border width, border colors and number of points for a  Star. Use Paint for fills",
     Properties, &Targets::star, AreaRequest::None, false, false},
    {Right, 7, kPolygonCommand, &kRightPolyPressed, kButtonPause,
     " Polygon Border Width, border colors, fill colors, number of sides and fill style",
     Properties, &Targets::polygon, AreaRequest::None, false, false},
    {Right, 10, kRectangleCommand, &kRightRectangPressed, kButtonPause,
     " Set up Border width, border colors, fill style, and  rounded corner numbers", Properties,
     &Targets::rectangle, AreaRequest::None, false, false},
    {Right, 13, kEllipseCommand, &kRightEllipsePressed, kButtonPause,
     " Set up Border width and color, fill color and pattern number", Properties, &Targets::ellipse,
     AreaRequest::None, false, false},
    {Right, 16, kLineCommand, &kRightLinePressed, kButtonPause, " Set up Line width and color",
     Properties, &Targets::line, AreaRequest::None, false, false},
    {Right, 19, kNoCommand, nullptr, 0, " Do PB Bitmap Stretch statement, Not functional yet", None,
     kNoTarget, AreaRequest::None, false, false},
    {Right, 22, kWindowCommand, &kRightWindowPressed, kButtonPause,
     " Recolor Window or Fill with a patern", Properties, kNoTarget, AreaRequest::None, false,
     false},
    {Right, 25, kAddStrCommand, &kRightAddStrPressed, kButtonPause, "", Pressed, kNoTarget,
     AreaRequest::None, false, false},
    {Right, 28, kArcCommand, &kRightArcPressed, 0,
     " ARC Menu has 8 1/8 circle preset buttons, Change line colors only from this menu", Target,
     &Targets::arc, AreaRequest::None, false, false},
    {Right, 31, kPieCommand, &kRightPiePressed, 0,
     " PIE Menu has 8 1/8 circle preset buttons, Click on buttons Counter Clockwise", Target,
     &Targets::pie, AreaRequest::None, false, false},
    {Right, 34, kCodeOutputCommand, &kRightCodViewPressed, kButtonPause,
     " If you put Gridlet and JfishPro in the Compiler's folder, You can view the code", None,
     kNoTarget, AreaRequest::CodeView, true, true},
    {Right, 37, kCodeOutputCommand, &kRightPreviewPressed, kButtonPause,
     " If you put Gridlet in the Compiler's folder, you can view the GUI in its present state",
     None, kNoTarget, AreaRequest::Preview, false, true},
    {Right, 40, kUndoCommand, &kRightUndoPressed, kButtonPause,
     " Undo last item created, there is no redo, so you will have to recreate it", None, kNoTarget,
     AreaRequest::Undo, false, false},
    {Right, 43, kExitCommand, &kRightExitPressed, kButtonPause, " Exit the program", None,
     kNoTarget, AreaRequest::Exit, false, false},
}};

// The columns each phase counts as a strip's.
struct StripColumns {
    int leftFirst, leftLast, rightFirst, rightLast;
};
constexpr StripColumns kAreaPhaseColumns{1, 9, 82, 90};
constexpr StripColumns kToolPhaseColumns{2, 8, 82, 90};

const StripButton* ButtonAt(const StripColumns& columns, int row, int col) {
    Strip strip;
    if (col >= columns.leftFirst && col <= columns.leftLast) {
        strip = Left;
    } else if (col >= columns.rightFirst && col <= columns.rightLast) {
        strip = Right;
    } else {
        return nullptr;
    }
    for (const StripButton& button : kButtons) {
        if (button.strip == strip && row >= button.topRow && row < button.topRow + kButtonRows)
            return &button;
    }
    return nullptr;
}

}  // namespace

const StripButton* AreaPhaseButtonAt(int row, int col) {
    return ButtonAt(kAreaPhaseColumns, row, col);
}

bool OnAreaPhaseStrip(int col) {
    return col <= kAreaPhaseColumns.leftLast || col >= kAreaPhaseColumns.rightFirst;
}

const StripButton* ToolPhaseButtonAt(int row, int col) {
    return ButtonAt(kToolPhaseColumns, row, col);
}

const StripButton& RequestButton(AreaRequest request) {
    for (const StripButton& button : kButtons) {
        if (button.areaRequest == request) return button;
    }
    throw std::logic_error("no strip button for the request");
}

const StripButton& CommandButton(Strip strip, std::int16_t command) {
    for (const StripButton& button : kButtons) {
        if (button.strip == strip && button.command == command) return button;
    }
    throw std::logic_error("no strip button for the command");
}

std::string HintAt(int row, int col) {
    const StripButton* button = ToolPhaseButtonAt(row, col);
    if (button == nullptr || button->hint.empty()) return {};
    std::string line(button->hint);
    line.resize(kHintWidth, ' ');
    return line;
}

void PressButton(Screen& screen, const StripButton& button) {
    screen.PaintImage(*button.pressed);
    if (button.pressedPause > 0) screen.console().Sleep(button.pressedPause);
}

}  // namespace gridlet
