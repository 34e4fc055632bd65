#include "app/main_loop.h"

#include <exception>

#include "app/command_codes.h"
#include "app/exit_command.h"
#include "app/input_routine.h"
#include "design/drawing_tools.h"
#include "design/select_area.h"
#include "design/tool_paint.h"
#include "design/undo.h"
#include "design/window_command.h"
#include "dialogs/properties_menu.h"
#include "help/show_help.h"
#include "output/compose_program.h"
#include "platform/basic_error.h"
#include "screen/images.h"

namespace gridlet {
namespace {

constexpr char kPermissionDeniedText[] =
    "  If you clicked on the Preview Button, there may already be a Graphic Screen running     ";

// The properties last for one command; the line tool may keep its width and colour.
void RestorePropertyDefaults(DesignState& state) {
    const Properties defaults;
    Properties& p = state.properties;
    p.fillColor = defaults.fillColor;
    p.fillStyle = defaults.fillStyle;
    p.polyFillMode = defaults.polyFillMode;
    p.cornerSidesPoints = defaults.cornerSidesPoints;
    if (!state.lineKeepFlag) {
        p.lineWidth = defaults.lineWidth;
        p.edgeColor = defaults.edgeColor;
    }
}

}  // namespace

void MainLoop::Run() {
    for (;;) {
        try {
            if (RunPass() == PassEnd::Quit) return;
        } catch (const BasicError& error) {
            ErrorTrap(error.number());
        } catch (const std::exception&) {
            ErrorTrap(0);
        }
    }
}

MainLoop::PassEnd MainLoop::RunPass() {
    Console& console = context_.console;
    Screen& screen = context_.screen;
    DesignState& state = context_.state;

    PaintRightStrip(screen);
    PaintLeftStrip(screen);
    RestorePropertyDefaults(state);
    console.SetColor(10, 8);
    screen.SaveScreen(state.snapshot);

    const AreaOutcome area = SelectArea(context_);
    std::int16_t command = kNoCommand;
    if (area == AreaOutcome::Request) {
        command = ActOnRequest();
    } else {
        const ClickResult click = InputRoutine(console);
        screen.RestoreScreen(state.snapshot);
        if (!click.leftClick) return PassEnd::Continue;
        command = TranslateLeftClick(click);
    }
    return Dispatch(command);
}

std::int16_t MainLoop::ActOnRequest() {
    Screen& screen = context_.screen;
    Console& console = context_.console;
    AreaRequests& requests = context_.state.requests;
    if (requests.exit || requests.escape) {
        requests.exit = requests.escape = false;
        PaintRightExitPressed(screen);
        console.Sleep(200);
        return kExitCommand;
    }
    if (requests.codeViewRequest != 0) {
        PaintRightCodViewPressed(screen);
        console.Sleep(200);
        return kCodeOutputCommand;
    }
    if (requests.buildRequest != 0) {
        PaintLeftBuildPressed(screen);
        console.Sleep(300);
        return kCodeOutputCommand;
    }
    if (requests.help) {
        requests.help = false;
        return kHelpCommand;
    }
    if (requests.previewRequest != 0) {
        PaintRightPreviewPressed(screen);
        console.Sleep(200);
        return kCodeOutputCommand;
    }
    if (requests.undo) {
        requests.undo = false;
        return kUndoCommand;
    }
    return kNoCommand;
}

std::int16_t MainLoop::TranslateLeftClick(const ClickResult& click) {
    static constexpr std::int16_t kLeftStripCommands[] = {
        kTextCommand,         kStarCommand,     kPolygonCommand, kRectangleCommand, kEllipseCommand,
        kLineCommand,         kLineStepCommand, kPaintCommand,   kNoCommand,        kBmpCommand,
        kBmpStretchedCommand, kWindowCommand,   kArcCommand,     kPieCommand,
    };
    const int button = (click.row - 1) / 3;  // 0 for the top button
    if (click.row < 1 || click.row > 45) return kNoCommand;
    if (click.col >= 2 && click.col <= 8) {
        if (button >= 14) return kNoCommand;  // Build acts only through the area phase
        if (button == 8) {
            PaintLeftPaintRPPressed(context_.screen);
            context_.console.Sleep(200);
            context_.state.targets.paintReplace = true;
            PaintReplaceTool(context_);
            context_.state.targets.paintReplace = false;
            return kNoCommand;
        }
        return kLeftStripCommands[button];
    }
    if (click.col < 82) return kNoCommand;
    DesignState& state = context_.state;
    switch (button) {
        case 0:
            return OpenRightStripProperties(PaintRightTextPressed, &PropertiesTargets::text,
                                            kTextCommand);
        case 1:
            return OpenRightStripProperties(PaintRightStarPressed, &PropertiesTargets::star,
                                            kStarCommand);
        case 2:
            return OpenRightStripProperties(PaintRightPolyPressed, &PropertiesTargets::polygon,
                                            kPolygonCommand);
        case 3:
            return OpenRightStripProperties(PaintRightRectangPressed, &PropertiesTargets::rectangle,
                                            kRectangleCommand);
        case 4:
            return OpenRightStripProperties(PaintRightEllipsePressed, &PropertiesTargets::ellipse,
                                            kEllipseCommand);
        case 5:
            return OpenRightStripProperties(PaintRightLinePressed, &PropertiesTargets::line,
                                            kLineCommand);
        case 7:
            return OpenRightStripProperties(PaintRightWindowPressed, nullptr, kWindowCommand);
        case 8:
            PaintRightAddStrPressed(context_.screen);
            context_.console.Sleep(200);
            return kAddStrCommand;
        case 9:
            state.targets.arc = true;
            PaintRightArcPressed(context_.screen);
            return kArcCommand;
        case 10:
            state.targets.pie = true;
            PaintRightPiePressed(context_.screen);
            return kPieCommand;
        default:
            return kNoCommand;
    }
}

std::int16_t MainLoop::OpenRightStripProperties(void (*paintPressed)(Screen&),
                                                bool PropertiesTargets::*target,
                                                std::int16_t command) {
    paintPressed(context_.screen);
    context_.console.Sleep(200);
    if (target != nullptr) context_.state.targets.*target = true;
    OpenPropertiesMenu(context_);
    return command;
}

MainLoop::PassEnd MainLoop::Dispatch(std::int16_t command) {
    switch (command) {
        case kExitCommand:
            return ExitCommand(context_) == ExitChoice::Quit ? PassEnd::Quit : PassEnd::Continue;
        case kWindowCommand:
            WindowCommand(context_);
            break;
        case kUndoCommand:
            Undo(context_);
            break;
        case kHelpCommand:
            ShowHelp(context_.screen, context_.state.helpSelection);
            break;
        case kCodeOutputCommand:
            ComposeProgram(context_);
            // Preview and code view have no route yet; their requests end here.
            context_.state.requests.previewRequest = 0;
            context_.state.requests.codeViewRequest = 0;
            break;
        default:
            RunDrawingTool(context_, command);
            break;
    }
    return PassEnd::Continue;
}

void MainLoop::ErrorTrap(int errorNumber) {
    Console& console = context_.console;
    console.SetColor(7, 0);
    console.Locate(46, 1);
    if (errorNumber == kErrorPermissionDenied) console.Print(kPermissionDeniedText);
    console.Sleep(3000);
    context_.screen.RestoreScreen(context_.state.snapshot);
}

}  // namespace gridlet
