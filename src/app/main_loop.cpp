#include "app/main_loop.h"

#include <exception>

#include "app/exit_command.h"
#include "design/drawing_tools.h"
#include "design/select_area.h"
#include "design/text_font.h"
#include "design/tool_paint.h"
#include "design/undo.h"
#include "design/window_command.h"
#include "dialogs/properties_menu.h"
#include "help/show_help.h"
#include "interact/input_routine.h"
#include "interact/strip_buttons.h"
#include "interact/strips_art.h"
#include "model/command_codes.h"
#include "output/compose_program.h"
#include "platform/basic_error.h"
#include "platform/cell_text.h"
#include "platform/file_error.h"

namespace gridlet {
namespace {

constexpr char kPermissionDeniedText[] =
    "  If you clicked on the Preview Button, there may already be a Graphic Screen running     ";

// The properties last for one command; the line tool may keep its width and colour.
void RestorePropertyDefaults(PassState& pass) {
    const Properties defaults;
    Properties& p = pass.properties;
    p.fillColor = defaults.fillColor;
    p.fillStyle = defaults.fillStyle;
    p.polyFillMode = defaults.polyFillMode;
    p.cornerSidesPoints = defaults.cornerSidesPoints;
    if (!pass.lineKeepFlag) {
        p.lineWidth = defaults.lineWidth;
        p.edgeColor = defaults.edgeColor;
    }
}

}  // namespace

void MainLoop::Run() {
    bool quit = false;
    while (!quit) RunTrapped([this, &quit] { quit = RunPass() == PassEnd::Quit; });
}

void MainLoop::RunTrapped(const std::function<void()>& command) {
    try {
        command();
    } catch (const FileError& error) {
        ErrorTrap(error.number(), error.what());
    } catch (const BasicError& error) {
        ErrorTrap(error.number(), {});
    } catch (const std::exception&) {
        ErrorTrap(0, {});
    }
}

MainLoop::PassEnd MainLoop::RunPass() {
    Console& console = context_.console;
    Screen& screen = context_.screen;
    PassState& pass = context_.pass;

    PaintRightStrip(screen);
    PaintLeftStrip(screen);
    RestorePropertyDefaults(pass);
    console.SetColor(10, 8);
    screen.SaveScreen(pass.snapshot);

    const AreaOutcome area = SelectArea(context_);
    std::int16_t command = kNoCommand;
    if (area == AreaOutcome::Request) {
        command = ActOnRequest();
    } else {
        const ClickResult click = InputRoutine(console);
        screen.RestoreScreen(pass.snapshot);
        if (!click.leftClick) return PassEnd::Continue;
        command = TranslateLeftClick(click);
    }
    return Dispatch(command);
}

// The requests in the order they are taken; each but help shows its button pressed first.
std::int16_t MainLoop::ActOnRequest() {
    AreaRequests& requests = context_.pass.requests;
    if (requests.exit || requests.escape) {
        requests.exit = requests.escape = false;
        return Press(AreaRequest::Exit);
    }
    if (requests.codeViewRequest != 0) return Press(AreaRequest::CodeView);
    if (requests.buildRequest != 0) return Press(AreaRequest::Build);
    if (requests.help) {
        requests.help = false;
        return kHelpCommand;
    }
    if (requests.previewRequest != 0) return Press(AreaRequest::Preview);
    if (requests.undo) {
        requests.undo = false;
        return kUndoCommand;  // Undo shows its pressed button only when there is something to undo
    }
    return kNoCommand;
}

std::int16_t MainLoop::Press(AreaRequest request) {
    const StripButton& button = RequestButton(request);
    PressButton(context_.screen, button);
    return button.command;
}

std::int16_t MainLoop::TranslateLeftClick(const ClickResult& click) {
    const StripButton* button = ToolPhaseButtonAt(click.row, click.col);
    if (button == nullptr) return kNoCommand;
    PropertiesTargets& targets = context_.pass.targets;
    switch (button->toolAction) {
        case ToolAction::None:
            return kNoCommand;
        case ToolAction::Command:
            return button->command;
        case ToolAction::PaintReplace:
            PressButton(context_.screen, *button);
            targets.*button->target = true;
            PaintReplaceTool(context_);
            targets.*button->target = false;
            return kNoCommand;
        case ToolAction::Properties:
            PressButton(context_.screen, *button);
            if (button->target != nullptr) targets.*button->target = true;
            OpenPropertiesMenu(context_);
            return button->command;
        case ToolAction::TextProperties:
            PressButton(context_.screen, *button);
            targets.*button->target = true;
            TextPropertiesSetUp(context_);
            return button->command;
        case ToolAction::Pressed:
            PressButton(context_.screen, *button);
            return button->command;
        case ToolAction::Target:
            targets.*button->target = true;
            PressButton(context_.screen, *button);
            return button->command;
    }
    return kNoCommand;
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
            ShowHelp(context_.screen, context_.pass.helpSelection);
            break;
        case kCodeOutputCommand:
            ComposeProgram(context_);
            break;
        default:
            RunDrawingTool(context_, command);
            break;
    }
    return PassEnd::Continue;
}

void MainLoop::ErrorTrap(int errorNumber, const std::string& fileFailure) {
    Console& console = context_.console;
    console.SetColor(7, 0);
    console.Locate(46, 1);
    if (errorNumber == kErrorPermissionDenied) {
        console.Print(kPermissionDeniedText);
    } else if (!fileFailure.empty()) {
        console.Print(RowOfCells(" " + fileFailure, kScreenWidth));
    }
    console.Sleep(3000);
    context_.screen.RestoreScreen(context_.pass.snapshot);
}

}  // namespace gridlet
