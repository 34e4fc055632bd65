#include "screen/popups.h"

#include <string>

#include "platform/message_box.h"
#include "screen/images.h"

namespace gridlet {

namespace {
// Waits for input in slices of this length; the user sees no difference from a 1 ms poll.
constexpr int kPollSliceMs = 50;
}  // namespace

void AreaNeededMessage(Console& console, Screen& screen) {
    console.Beep();
    std::string beneath;
    screen.SaveScreen(beneath);
    PaintAreaNeededPanel(screen);
    while (console.PollEvent(kPollSliceMs).empty()) {
    }
    screen.RestoreScreen(beneath);
}

void WindowNeededMessage(Console& console) {
    ShowMessageBox(console, "You should create your Graphic Window first. \r\n", "",
                   MessageButtons::Ok, MessageIcon::Question);
}

}  // namespace gridlet
