#include "screen/popups.h"

#include <string>

#include "platform/message_box.h"
#include "screen/area_needed_art.h"

namespace gridlet {

void AreaNeededMessage(Console& console, Screen& screen) {
    console.Beep();
    std::string beneath;
    screen.SaveScreen(beneath);
    PaintAreaNeededPanel(screen);
    console.ReadEvent();
    screen.RestoreScreen(beneath);
}

void WindowNeededMessage(Console& console) {
    ShowMessageBox(console, "You should create your Graphic Window first. \r\n", "",
                   MessageButtons::Ok, MessageIcon::Question);
}

void OutsideWindowMessage(Console& console) {
    ShowMessageBox(console, "That would leave your Graphic Window. \r\n", "", MessageButtons::Ok,
                   MessageIcon::Question);
}

}  // namespace gridlet
