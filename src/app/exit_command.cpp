#include "app/exit_command.h"

#include "app/exit_dialog_art.h"
#include "interact/wait_click.h"
#include "output/save_design.h"
#include "platform/message_box.h"

namespace gridlet {
namespace {

bool OnButton(const ClickResult& click, const ImageInfo& pressed) {
    return pressed.Rect().Contains(click.row, click.col);
}

}  // namespace

ExitChoice ExitCommand(Context& context) {
    Screen& screen = context.screen;
    PaintExitDialog(screen);
    const ClickResult click = WaitClick(context.console);
    if (OnButton(click, kExitYesPressed)) {
        PaintExitYesPressed(screen);
        context.console.Sleep(200);
        const bool save =
            ShowMessageBox(context.console, " Save this Window?", "Do You want to",
                           MessageButtons::YesNo, MessageIcon::Question) == kAnswerYes;
        // Backing out of the save keeps the user with the design rather than losing it.
        if (save && !SaveDesignOnExit(context)) return ExitChoice::Stay;
        return ExitChoice::Quit;
    }
    if (OnButton(click, kExitNoPressed)) {
        PaintExitNoPressed(screen);
        context.console.Sleep(200);
    }
    screen.RestoreScreen(context.pass.snapshot);
    return ExitChoice::Stay;
}

}  // namespace gridlet
