#include "interact/wait_click.h"

namespace gridlet {

ClickResult WaitClick(Console& console) {
    ClickResult result;
    console.SetMouseEvents(kAllButtons, kMove | kDoubleClick | kPress);
    for (;;) {
        const ConsoleEvent event = console.ReadEvent();
        if (event.kind == EventKind::Move) {
            result.row = event.row;
            result.col = event.col;
            console.Sleep(10);
            continue;
        }
        if (event.IsMouse() && (event.buttons & kLeftButton) != 0) {
            result.leftClick = true;
        } else if (event.IsMouse() && (event.buttons & kRightButton) != 0) {
            result.rightClick = true;
        } else {
            result.commandCode = KeyCode(event);
        }
        return result;
    }
}

}  // namespace gridlet
