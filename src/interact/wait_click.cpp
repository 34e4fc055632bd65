#include "interact/wait_click.h"

namespace gridlet {

ClickResult WaitClick(Console& console) {
    console.SetMouseEvents(kAllButtons, kMove | kDoubleClick | kPress);
    int row = 0, col = 0;
    for (;;) {
        const ConsoleEvent event = console.ReadEvent();
        if (event.kind == EventKind::Move) {
            row = event.row;
            col = event.col;
            console.Sleep(10);
            continue;
        }
        if (event.IsMouse() && (event.buttons & kLeftButton) != 0) {
            return {.leftClick = true, .row = event.row, .col = event.col};
        }
        if (event.IsMouse() && (event.buttons & kRightButton) != 0) {
            return {.rightClick = true, .row = event.row, .col = event.col};
        }
        return {.commandCode = KeyCode(event), .row = row, .col = col};
    }
}

}  // namespace gridlet
