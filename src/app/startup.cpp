#include "app/startup.h"

#include "app/main_screen_art.h"
#include "app/opening_screen_art.h"
#include "app/title_panel_art.h"
#include "platform/message_box.h"

namespace gridlet {

void StartUp(Context& context) {
    Console& console = context.console;
    Screen& screen = context.screen;
    console.SetTitle(kConsoleTitle);
    console.SetMouseEvents(kAllButtons, kPress);
    console.Sleep(100);
    console.SetCursorVisible(false);

    PaintOpeningScreen(screen);
    console.ReadEvent();
    PaintTitlePanel(screen);
    console.Sleep(300);
    console.ClearScreen();

    PaintMainScreen(screen);
    ShowMessageBox(console, "Open a previous Window?", "Do You want to", MessageButtons::YesNo,
                   MessageIcon::Question);
    console.Sleep(200);
    // Design files do not exist yet, so either answer goes straight on to the main loop.
}

}  // namespace gridlet
