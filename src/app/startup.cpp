#include "app/startup.h"

#include "app/opening_screen_art.h"
#include "app/title_panel_art.h"
#include "interact/main_screen_art.h"
#include "output/open_design.h"
#include "platform/atomic_file.h"
#include "platform/message_box.h"

namespace gridlet {

void StartUp(Context& context, MainLoop& loop,
             const std::optional<DesignFileContents>& givenDesign) {
    Console& console = context.console;
    Screen& screen = context.screen;
    console.SetTitle(kConsoleTitle);
    console.SetMouseEvents(kAllButtons, kPress);
    console.Sleep(100);
    console.SetCursorVisible(false);
    // What a save killed before its rename left here.
    RemoveStaleTemporaries(".");

    PaintOpeningScreen(screen);
    console.ReadEvent();
    PaintTitlePanel(screen);
    console.Sleep(300);
    console.ClearScreen();

    PaintMainScreen(screen);
    if (givenDesign) {
        ApplyDesignFile(context, *givenDesign);
        return;
    }
    const int answer = ShowMessageBox(console, "Open a previous Window?", "Do You want to",
                                      MessageButtons::YesNo, MessageIcon::Question);
    console.Sleep(200);
    if (answer == kAnswerYes) loop.RunTrapped([&context] { OpenDesignAtStart(context); });
}

}  // namespace gridlet
