#include "app/startup.h"

#include <filesystem>

#include "app/opening_screen_art.h"
#include "app/title_panel_art.h"
#include "interact/main_screen_art.h"
#include "model/saved_state.h"
#include "output/open_design.h"
#include "output/recovery_file.h"
#include "platform/atomic_file.h"
#include "platform/cell_text.h"
#include "platform/cp1252.h"
#include "platform/message_box.h"

namespace gridlet {
namespace {

constexpr char kQuestionCaption[] = "Do You want to";

void OpenGiven(Context& context, const GivenDesign& given) {
    Design& design = context.design;
    const std::string name = std::filesystem::path(given.path).filename().string();
    if (given.contents) {
        ApplyDesignFile(context, *given.contents);
    } else {
        context.pass.hintRowNotice =
            RowOfCells(" " + name + " does not exist yet: a new design, which Ctrl+S saves there",
                       kScreenWidth);
    }
    design.saved.path = given.path;
    MarkSaved(design);
}

// The design kept when the program last ended without the user's say, which the user may open.
// It stays unsaved, in no file of the user's, and its recovery file stays until it is.
bool OfferRecovered(Context& context, MainLoop& loop) {
    const std::string path = NewestRecoveryFile(".");
    if (path.empty()) return false;
    const std::string name = std::filesystem::path(path).filename().string();
    const int answer = ShowMessageBox(
        context.console,
        "A design was kept when Gridlet was last stopped. Open it?\r\n" + Utf8ToCp1252(name),
        kQuestionCaption, MessageButtons::YesNo, MessageIcon::Question);
    context.console.Sleep(200);
    if (answer != kAnswerYes) return false;
    bool opened = false;
    loop.RunTrapped([&context, &path, &opened] {
        ApplyDesignFile(context, ReadDesignFile(path));
        context.design.saved.recoveredFrom = path;
        MarkUnsaved(context.design);
        opened = true;
    });
    return opened;
}

}  // namespace

void StartUp(Context& context, MainLoop& loop, const std::optional<GivenDesign>& givenDesign) {
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
        OpenGiven(context, *givenDesign);
        return;
    }
    if (OfferRecovered(context, loop)) return;
    const int answer = ShowMessageBox(console, "Open a previous Window?", kQuestionCaption,
                                      MessageButtons::YesNo, MessageIcon::Question);
    console.Sleep(200);
    if (answer == kAnswerYes) loop.RunTrapped([&context] { OpenDesignAtStart(context); });
}

}  // namespace gridlet
