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
    ClickResult result;
    console.SetMouseEvents(kAllButtons, kMove | kDoubleClick | kPress);
    for (;;) {
        const ConsoleEvent event = console.ReadEvent();
        if (event.IsMouse() && event.buttons == kLeftButton) {
            result.leftClick = true;
            return result;
        }
        if (event.IsMouse() && event.buttons == kRightButton) {
            result.rightClick = true;
            return result;
        }
        if (event.IsMouse() && event.buttons == 0) {
            result.row = event.row;
            result.col = event.col;
            console.Sleep(10);
            ShowHint(console, HintAt(result.row, result.col));
            continue;
        }
        result.commandCode = KeyCode(event);
        return result;
    }
}

}  // namespace gridlet
