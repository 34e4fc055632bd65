#include "screen/wait_click.h"

namespace gridlet {

ClickResult WaitClick(Console& console) {
    ClickResult result;
    console.SetMouseEvents(kAllButtons, kMove | kDoubleClick | kPress);
    for (;;) {
        const std::string event = console.ReadEvent();
        if (MouseEventKindOf(event) == kMove) {
            result.row = console.MouseRow();
            result.col = console.MouseCol();
            console.Sleep(10);
            continue;
        }
        const int buttons = MouseButtonsOf(event);
        if (buttons & kLeftButton) {
            result.leftClick = true;
        } else if (buttons & kRightButton) {
            result.rightClick = true;
        } else {
            result.commandCode = KeyCode(event);
            result.keyString = event;
        }
        return result;
    }
}

}  // namespace gridlet
