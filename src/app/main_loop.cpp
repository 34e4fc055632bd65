#include "app/main_loop.h"

#include <cstdlib>
#include <exception>
#include <stdexcept>

#include "app/design_title.h"
#include "app/exit_command.h"
#include "app/standard_error.h"
#include "design/drawing_tools.h"
#include "design/objects_panel.h"
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
#include "model/screen_layout.h"
#include "output/compose_program.h"
#include "output/save_design.h"
#include "platform/basic_error.h"
#include "platform/cell_text.h"
#include "platform/terminal_restore.h"

namespace gridlet {
namespace {

constexpr char kPermissionDeniedText[] =
    "  If you clicked on the Preview Button, there may already be a Graphic Screen running     ";

// The properties last for one command; the line tool may keep its width and colour.
void RestorePropertyDefaults(CurrentProperties& current) {
    const Properties defaults;
    Properties& p = current.properties;
    p.fillColor = defaults.fillColor;
    p.fillStyle = defaults.fillStyle;
    p.polyFillMode = defaults.polyFillMode;
    p.cornerSidesPoints = defaults.cornerSidesPoints;
    if (!current.lineKeepFlag) {
        p.lineWidth = defaults.lineWidth;
        p.edgeColor = defaults.edgeColor;
    }
}

}  // namespace

void MainLoop::Run() {
    bool quit = false;
    while (!quit) {
        ShowDesignTitle(context_.console, context_.design);
        RunTrapped([this, &quit] { quit = RunPass() == PassEnd::Quit; });
    }
}

void MainLoop::RunTrapped(const std::function<void()>& command) {
    try {
        command();
    } catch (const BasicError& error) {
        ErrorTrap(error.number(), error.what());
    } catch (const std::logic_error& error) {
        TrapFault(error.what());
    } catch (const std::exception& error) {
        ErrorTrap(0, error.what());
    }
}

void MainLoop::TrapFault(const std::string& text) {
    if (faultHandling_ == FaultHandling::Abort) {
        RestoreTerminal();
        SayFault(text);
        std::abort();
    }
    faults_.push_back(text);
    ErrorTrap(0, text);
}

MainLoop::PassEnd MainLoop::RunPass() {
    Console& console = context_.console;
    Screen& screen = context_.screen;
    PassState& pass = context_.pass;

    PaintRightStrip(screen);
    PaintLeftStrip(screen);
    RestorePropertyDefaults(pass.current);
    console.SetColor(10, 8);
    // The picture shows every change before the next input is read.
    std::string notDrawn = pictureOnGrid_.Show(console, context_.design, pass.pictureView);
    if (!notDrawn.empty()) pass.hintRowNotice = std::move(notDrawn);
    screen.SaveScreen(pass.snapshot);

    const AreaResult area = SelectArea(screen, context_.design, pass.area, pass.hintRowNotice);
    if (area.outcome == AreaOutcome::Request) return ActOnRequest(area);
    const ClickResult click = InputRoutine(console);
    screen.RestoreScreen(pass.snapshot);
    if (click.leftClick) RunToolCommand(TranslateLeftClick(click));
    return PassEnd::Continue;
}

MainLoop::PassEnd MainLoop::ActOnRequest(const AreaResult& area) {
    switch (area.request) {
        case AreaRequest::None:
            break;
        case AreaRequest::Exit:
            Press(AreaRequest::Exit);
            return ExitCommand(context_) == ExitChoice::Quit ? PassEnd::Quit : PassEnd::Continue;
        case AreaRequest::Build:
            Press(area.request);
            ComposeProgram(context_, {OutputRoute::Build, area.form});
            break;
        case AreaRequest::Preview:
            Press(area.request);
            ComposeProgram(context_, {OutputRoute::Preview, area.form});
            break;
        case AreaRequest::CodeView:
            Press(area.request);
            ComposeProgram(context_, {OutputRoute::CodeView, area.form});
            break;
        case AreaRequest::Help:
            ShowHelp(context_.screen, context_.pass.memory.helpSelection);
            break;
        case AreaRequest::Undo:
            // Undo shows its pressed button only when there is something to undo.
            Undo(context_);
            break;
        case AreaRequest::Redo:
            Redo(context_);
            break;
        case AreaRequest::PictureView:
            context_.pass.pictureView = !context_.pass.pictureView;
            break;
        case AreaRequest::Objects:
            ObjectsPanel(context_);
            break;
        case AreaRequest::Save:
            SaveDesignNow(context_, SaveTarget::SameFile);
            break;
        case AreaRequest::SaveAs:
            SaveDesignNow(context_, SaveTarget::NewName);
            break;
    }
    return PassEnd::Continue;
}

void MainLoop::Press(AreaRequest request) {
    PressButton(context_.screen, RequestButton(request));
}

std::int16_t MainLoop::TranslateLeftClick(const ClickResult& click) {
    const StripButton* button = ToolPhaseButtonAt(click.row, click.col);
    if (button == nullptr) return kNoCommand;
    PropertiesTarget& target = context_.pass.current.target;
    switch (button->toolAction) {
        case ToolAction::None:
            return kNoCommand;
        case ToolAction::Command:
            return button->command;
        case ToolAction::PaintReplace:
            PressButton(context_.screen, *button);
            target = button->target;
            PaintReplaceTool(context_);
            target = PropertiesTarget::None;
            return kNoCommand;
        case ToolAction::Properties:
            PressButton(context_.screen, *button);
            if (button->target != PropertiesTarget::None) target = button->target;
            OpenPropertiesMenu(context_);
            return button->command;
        case ToolAction::TextProperties:
            PressButton(context_.screen, *button);
            target = button->target;
            TextPropertiesSetUp(context_);
            return button->command;
        case ToolAction::Pressed:
            PressButton(context_.screen, *button);
            return button->command;
        case ToolAction::Target:
            target = button->target;
            PressButton(context_.screen, *button);
            return button->command;
    }
    return kNoCommand;
}

void MainLoop::RunToolCommand(std::int16_t command) {
    if (command == kWindowCommand) {
        WindowCommand(context_);
    } else {
        RunDrawingTool(context_, command);
    }
}

// An error's own text stands for the pause only: with no snapshot to restore (start-up's opening
// of a design), the row is put back as it was. Error 70's text is left as it always was.
void MainLoop::ErrorTrap(int errorNumber, const std::string& text) {
    Console& console = context_.console;
    Screen& screen = context_.screen;
    CellRect hintRow{kHintRow, 1, kHintRow, kScreenWidth};
    const std::string rowBefore = screen.ReadCellBlock(hintRow);
    console.SetColor(7, 0);
    console.Locate(kHintRow, 1);
    const bool ownText = errorNumber != kErrorPermissionDenied && !text.empty();
    if (errorNumber == kErrorPermissionDenied) {
        console.Print(kPermissionDeniedText);
    } else if (ownText) {
        console.Print(RowOfCells(" " + text, kScreenWidth));
    }
    console.Sleep(3000);
    if (ownText) screen.WriteCellBlock(hintRow, rowBefore);
    screen.RestoreScreen(context_.pass.snapshot);
}

}  // namespace gridlet
