#include "help/show_help.h"

#include "help/help_entries.h"
#include "help/help_steps.h"
#include "screen/images.h"
#include "screen/wait_click.h"

namespace gridlet {
namespace {

// Help's only wait for input. A click is taken where it was made, even when no move came before
// it in this wait.
HelpInput ReadHelpInput(Console& console) {
    for (;;) {
        const ClickResult click = WaitClick(console);
        if (click.leftClick) {
            return {HelpInput::Kind::LeftClick, "", console.MouseRow(), console.MouseCol()};
        }
        if (click.rightClick) return {HelpInput::Kind::RightClick, "", 0, 0};
        // Other mouse buttons come back as key events; help has no use for them.
        if (!IsMouseEvent(click.keyString)) return {HelpInput::Kind::Key, click.keyString, 0, 0};
    }
}

}  // namespace

void ShowHelp(Screen& screen, std::string& selection) {
    std::string saved;
    screen.SaveScreen(saved);
    PaintHelpMenu(screen);
    HelpState state{HelpMode::Menu, selection};
    for (;;) {
        const HelpStep step = NextHelpStep(state, ReadHelpInput(screen.console()));
        state = step.next;
        selection = state.selection;
        switch (step.show) {
            case HelpShow::Leave:
                screen.RestoreScreen(saved);
                return;
            case HelpShow::Menu:
                screen.RestoreScreen(saved);
                PaintHelpMenu(screen);
                break;
            case HelpShow::Page:
                HelpEntries()[static_cast<std::size_t>(step.page)].paintPage(screen);
                break;
            case HelpShow::Nothing:
                break;
        }
    }
}

}  // namespace gridlet
