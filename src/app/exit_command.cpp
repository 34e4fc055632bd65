#include "app/exit_command.h"

#include "app/exit_dialog_art.h"
#include "interact/wait_click.h"
#include "output/save_design.h"
#include "platform/message_box.h"

namespace gridlet {
namespace {

bool OnButton(const ClickResult& click, int leftCol, int rightCol) {
    return click.row >= 17 && click.row <= 19 && click.col >= leftCol && click.col <= rightCol;
}

}  // namespace

ExitChoice ExitCommand(Context& context) {
    Screen& screen = context.screen;
    PaintExitDialog(screen);
    const ClickResult click = WaitClick(context.console);
    if (OnButton(click, 34, 40)) {
        PaintExitYesPressed(screen);
        context.console.Sleep(200);
        const bool save =
            ShowMessageBox(context.console, " Save this Window?", "Do You want to",
                           MessageButtons::YesNo, MessageIcon::Question) == kAnswerYes;
        // Backing out of the save keeps the user with the design rather than losing it.
        if (save && !SaveDesignOnExit(context)) return ExitChoice::Stay;
        return ExitChoice::Quit;
    }
    if (OnButton(click, 42, 48)) {
        PaintExitNoPressed(screen);
        context.console.Sleep(200);
    }
    screen.RestoreScreen(context.pass.snapshot);
    return ExitChoice::Stay;
}

}  // namespace gridlet
