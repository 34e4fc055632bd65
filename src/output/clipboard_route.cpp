#include "output/clipboard_route.h"

#include "output/completion_panel_art.h"
#include "output/compose_program.h"
#include "platform/atomic_file.h"

namespace gridlet {
namespace {

// Keeps the code where the user can find it when no clipboard took it, and says so.
std::string KeepInFile(const std::string& programText) {
    const std::string failure = WriteFileAtomically(kClipboardFile, programText);
    std::string notice = " No clipboard could be reached";
    if (failure.empty()) {
        notice += ": the code is in ";
        notice += kClipboardFile;
        notice += " in this folder.";
    } else {
        notice += ", and ";
        notice += kClipboardFile;
        notice += " could not be written: ";
        notice += failure;
    }
    return notice;
}

}  // namespace

std::string ClipboardText(const SectionTable& sections, int buildRequest) {
    std::string text = JoinSections(sections, 38);
    if (buildRequest == 1) text += " END SUB\r\n";
    return text;
}

void RunClipboardRoute(Context& context) {
    Design& design = context.design;
    PassState& pass = context.pass;
    design.programText = ClipboardText(design.sections, pass.requests.buildRequest);
    context.clipboard.Empty();
    const bool reached = context.clipboard.SetText(design.programText);

    context.console.Beep();
    context.console.Sleep(400);
    context.console.Beep();
    std::string saved;
    context.screen.SaveScreen(saved);
    PaintCompletionPanel(context.screen);
    context.console.Sleep(1000);
    context.screen.RestoreScreen(saved);
    if (!reached) pass.hintRowNotice = KeepInFile(design.programText);
    design.programText.clear();

    pass.requests.previewRequest = 0;
    pass.requests.buildRequest = 0;
}

}  // namespace gridlet
