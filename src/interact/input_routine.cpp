#include "interact/input_routine.h"

#include "interact/strip_buttons.h"
#include "model/screen_layout.h"

namespace gridlet {
namespace {

void ShowHint(Console& console, const std::string& hint) {
    if (hint.empty()) return;
    console.SetColor(0, 7);
    console.Locate(kHintRow, 1);
    console.Print(hint);
}

}  // namespace

ClickResult InputRoutine(Console& console) {
    console.SetMouseEvents(kAllButtons, kMove | kDoubleClick | kPress);
    int row = 0, col = 0;
    for (;;) {
        const ConsoleEvent event = console.ReadEvent();
        if (event.IsMouse() && event.buttons == kLeftButton) {
            return {.leftClick = true, .row = event.row, .col = event.col};
        }
        if (event.IsMouse() && event.buttons == kRightButton) {
            return {.rightClick = true, .row = event.row, .col = event.col};
        }
        if (event.IsMouse() && event.buttons == 0) {
            row = event.row;
            col = event.col;
            console.Sleep(10);
            ShowHint(console, HintAt(row, col));
            continue;
        }
        return {.commandCode = KeyCode(event), .row = row, .col = col};
    }
}

}  // namespace gridlet
