#include "help/show_help.h"

#include "help/help_entries.h"
#include "help/help_menu_art.h"
#include "help/help_steps.h"

namespace gridlet {
namespace {

// Help's only wait for input. A click is taken where it was made; pointer moves and the middle
// button mean nothing here.
HelpInput ReadHelpInput(Console& console) {
    console.SetMouseEvents(kAllButtons, kMove | kDoubleClick | kPress);
    for (;;) {
        const ConsoleEvent event = console.ReadEvent();
        if (!event.IsMouse()) return {HelpInput::Kind::Key, event.key, 0, 0};
        if (event.kind == EventKind::Move) continue;
        if (event.buttons & kLeftButton) {
            return {HelpInput::Kind::LeftClick, "", event.row, event.col};
        }
        if (event.buttons & kRightButton) return {HelpInput::Kind::RightClick, "", 0, 0};
    }
}

}  // namespace

void ShowHelp(Screen& screen, std::string& selection) {
    std::string saved;
    screen.SaveScreen(saved);
    screen.PaintImage(kHelpMenu);
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
                screen.PaintImage(kHelpMenu);
                break;
            case HelpShow::Page:
                screen.PaintImage(HelpEntries()[static_cast<std::size_t>(step.page)].page);
                break;
            case HelpShow::Nothing:
                break;
        }
    }
}

}  // namespace gridlet
