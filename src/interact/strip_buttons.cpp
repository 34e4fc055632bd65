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

// Rows from the top, three to a button; the tool phase's command, the area phase's request.
constexpr std::array<StripButton, 30> kButtons = {{
    {.strip = Left,
     .topRow = 1,
     .command = kTextCommand,
     .pressed = &kLeftTextPressed,
     .pressedPause = kToolPause,
     .hint =
         " Place Text on Window according to area. For a better Proportional fit, change font size",
     .toolAction = Command},
    {.strip = Left,
     .topRow = 4,
     .command = kStarCommand,
     .pressed = &kLeftStarPressed,
     .pressedPause = kToolPause,
     .hint = " Draw an outline of a Star. It can't be filled by XPRINT, but it can by Graphic",
     .toolAction = Command},
    {.strip = Left,
     .topRow = 7,
     .command = kPolygonCommand,
     .pressed = &kLeftPolyPressed,
     .pressedPause = kToolPause,
     .hint = " Draw a fillable Polygon. Colors, sides, etc  can be changed in Properties",
     .toolAction = Command},
    {.strip = Left,
     .topRow = 10,
     .command = kRectangleCommand,
     .pressed = &kLeftRectangPressed,
     .pressedPause = kToolPause,
     .hint = " Draw a fillable Rectangle. Colors, corner, etc can be changed in Properties",
     .toolAction = Command},
    {.strip = Left,
     .topRow = 13,
     .command = kEllipseCommand,
     .pressed = &kLeftEllipsePressed,
     .pressedPause = kToolPause,
     .hint = " Draw a fillable Circle or Oval. Colors, patterns can be changed in Properties",
     .toolAction = Command},
    {.strip = Left,
     .topRow = 16,
     .command = kLineCommand,
     .pressed = &kLeftLinePressed,
     .pressedPause = kToolPause,
     .hint = " Click twice in one spot and click here, click anywhere else and click linestep",
     .toolAction = Command},
    {.strip = Left,
     .topRow = 19,
     .command = kLineStepCommand,
     .pressed = &kLeftLineStpPressed,
     .pressedPause = kToolPause,
     .hint = " After clicking on Line, Click twice anywhere on grid and then click here",
     .toolAction = Command},
    {.strip = Left,
     .topRow = 22,
     .command = kPaintCommand,
     .pressed = &kLeftPaintBoPressed,
     .pressedPause = 0,
     .hint = " Click here to paint up to borders of matching colors as setup in properties",
     .toolAction = Command},
    {.strip = Left,
     .topRow = 25,
     .command = kNoCommand,
     .pressed = &kLeftPaintRPPressed,
     .pressedPause = kButtonPause,
     .hint = " Replace paint of area that was clicked twice on in one spot",
     .toolAction = PaintReplace,
     .target = PropertiesTarget::PaintReplace},
    {.strip = Left,
     .topRow = 28,
     .command = kBmpCommand,
     .pressed = &kLeftBmpPressed,
     .pressedPause = kToolPause,
     .hint = " Render a Bmp starting at top left corner of area selected",
     .toolAction = Command},
    {.strip = Left,
     .topRow = 31,
     .command = kBmpStretchedCommand,
     .pressed = &kLeftBmpStrhPressed,
     .pressedPause = kToolPause,
     .hint = " Render a Bmp to the size of an area selected.",
     .toolAction = Command},
    {.strip = Left,
     .topRow = 34,
     .command = kWindowCommand,
     .pressed = &kLeftWindowPressed,
     .pressedPause = kToolPause,
     .hint = " Create a Window to size of the area selected on the grid. New grid is created",
     .toolAction = Command},
    {.strip = Left,
     .topRow = 37,
     .command = kArcCommand,
     .pressed = &kLeftArcPressed,
     .pressedPause = 0,
     .hint = " Create an ARC with default black line colors. Click on Right Menu's ARC for Moves",
     .toolAction = Command},
    {.strip = Left,
     .topRow = 40,
     .command = kPieCommand,
     .pressed = &kLeftPiePressed,
     .pressedPause = 0,
     .hint = " Create a PIE with default Black border colors and no Fill",
     .toolAction = Command},
    {.strip = Left,
     .topRow = 43,
     .command = kCodeOutputCommand,
     .pressed = &kLeftBuildPressed,
     .pressedPause = kToolPause,
     .hint = " Left click to build a Graphic Window Sub, Right click to build one for XPRINT",
     .toolAction = None,
     .areaRequest = AreaRequest::Build,
     .needsWindow = true,
     .rightPrinter = true},
    {.strip = Right,
     .topRow = 1,
     .command = kTextCommand,
     .pressed = &kRightTextPressed,
     .pressedPause = kButtonPause,
     .hint = "Set up Fonts, Foreground and Background colors, Move Menu and INCR/DECR Text column "
             "width",
     .toolAction = TextProperties,
     .target = PropertiesTarget::Text},
    {.strip = Right,
     .topRow = 4,
     .command = kStarCommand,
     .pressed = &kRightStarPressed,
     .pressedPause = kButtonPause,
     .hint = " Set up Border width, border colors and number of points for a  Star. Use Paint for "
             "fills",
     .toolAction = Properties,
     .target = PropertiesTarget::Star},
    {.strip = Right,
     .topRow = 7,
     .command = kPolygonCommand,
     .pressed = &kRightPolyPressed,
     .pressedPause = kButtonPause,
     .hint = " Polygon Border Width, border colors, fill colors, number of sides and fill style",
     .toolAction = Properties,
     .target = PropertiesTarget::Polygon},
    {.strip = Right,
     .topRow = 10,
     .command = kRectangleCommand,
     .pressed = &kRightRectangPressed,
     .pressedPause = kButtonPause,
     .hint = " Set up Border width, border colors, fill style, and  rounded corner numbers",
     .toolAction = Properties,
     .target = PropertiesTarget::Rectangle},
    {.strip = Right,
     .topRow = 13,
     .command = kEllipseCommand,
     .pressed = &kRightEllipsePressed,
     .pressedPause = kButtonPause,
     .hint = " Set up Border width and color, fill color and pattern number",
     .toolAction = Properties,
     .target = PropertiesTarget::Ellipse},
    {.strip = Right,
     .topRow = 16,
     .command = kLineCommand,
     .pressed = &kRightLinePressed,
     .pressedPause = kButtonPause,
     .hint = " Set up Line width and color",
     .toolAction = Properties,
     .target = PropertiesTarget::Line},
    {.strip = Right,
     .topRow = 19,
     .command = kNoCommand,
     .pressed = nullptr,
     .pressedPause = 0,
     .hint = " Do PB Bitmap Stretch statement, Not functional yet",
     .toolAction = None},
    {.strip = Right,
     .topRow = 22,
     .command = kWindowCommand,
     .pressed = &kRightWindowPressed,
     .pressedPause = kButtonPause,
     .hint = " Recolor Window or Fill with a patern",
     .toolAction = Properties},
    {.strip = Right,
     .topRow = 25,
     .command = kAddStrCommand,
     .pressed = &kRightAddStrPressed,
     .pressedPause = kButtonPause,
     .hint = "",
     .toolAction = Pressed},
    {.strip = Right,
     .topRow = 28,
     .command = kArcCommand,
     .pressed = &kRightArcPressed,
     .pressedPause = 0,
     .hint = " ARC Menu has 8 1/8 circle preset buttons, Change line colors only from this menu",
     .toolAction = Target,
     .target = PropertiesTarget::Arc},
    {.strip = Right,
     .topRow = 31,
     .command = kPieCommand,
     .pressed = &kRightPiePressed,
     .pressedPause = 0,
     .hint = " PIE Menu has 8 1/8 circle preset buttons, Click on buttons Counter Clockwise",
     .toolAction = Target,
     .target = PropertiesTarget::Pie},
    {.strip = Right,
     .topRow = 34,
     .command = kCodeOutputCommand,
     .pressed = &kRightCodViewPressed,
     .pressedPause = kButtonPause,
     .hint = " If you put Gridlet and JfishPro in the Compiler's folder, You can view the code",
     .toolAction = None,
     .areaRequest = AreaRequest::CodeView,
     .needsWindow = true,
     .rightPrinter = true},
    {.strip = Right,
     .topRow = 37,
     .command = kCodeOutputCommand,
     .pressed = &kRightPreviewPressed,
     .pressedPause = kButtonPause,
     .hint =
         " If you put Gridlet in the Compiler's folder, you can view the GUI in its present state",
     .toolAction = None,
     .areaRequest = AreaRequest::Preview,
     .rightPrinter = true},
    {.strip = Right,
     .topRow = 40,
     .command = kUndoCommand,
     .pressed = &kRightUndoPressed,
     .pressedPause = kButtonPause,
     .hint = " Undo last item created, there is no redo, so you will have to recreate it",
     .toolAction = None,
     .areaRequest = AreaRequest::Undo},
    {.strip = Right,
     .topRow = 43,
     .command = kExitCommand,
     .pressed = &kRightExitPressed,
     .pressedPause = kButtonPause,
     .hint = " Exit the program",
     .toolAction = None,
     .areaRequest = AreaRequest::Exit},
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
