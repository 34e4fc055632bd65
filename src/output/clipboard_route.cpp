#include "output/clipboard_route.h"

#include "output/completion_panel_art.h"
#include "output/compose_program.h"
#include "platform/atomic_file.h"
#include "platform/file_error.h"

namespace gridlet {
namespace {

// Keeps the code where the user can find it when nothing confirmed that a clipboard took it, and
// says so. The terminal was sent the code; one that takes it without answering the query (tmux)
// cannot be told from one that ignores it (a default xterm).
std::string KeepInFile(const std::string& programText) {
    std::string notice = " No clipboard confirmed the code";
    try {
        ReplaceOwnFile(kClipboardFile, programText);
    } catch (const FileError& error) {
        return notice + ", and " + kClipboardFile + " could not be written: " + error.reason();
    }
    return notice + ": it is also in " + kClipboardFile + " in this folder.";
}

}  // namespace

std::string ClipboardText(const SectionTable& sections, CodeForm form) {
    std::string text = JoinSections(sections, kLastRoutineSection);
    if (form == CodeForm::GraphicWindow) text += " END SUB\r\n";
    return text;
}

void RunClipboardRoute(Context& context, const SectionTable& sections, CodeForm form) {
    const std::string programText = ClipboardText(sections, form);
    context.clipboard.Empty();
    const bool reached = context.clipboard.SetText(programText);

    context.console.Beep();
    context.console.Sleep(400);
    context.console.Beep();
    std::string saved;
    context.screen.SaveScreen(saved);
    PaintCompletionPanel(context.screen);
    context.console.Sleep(1000);
    context.screen.RestoreScreen(saved);
    if (!reached) context.pass.hintRowNotice = KeepInFile(programText);
}

}  // namespace gridlet
