#include "output/clipboard_route.h"

#include "output/completion_panel_art.h"
#include "output/compose_program.h"

namespace gridlet {

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
    context.clipboard.SetText(design.programText);

    context.console.Beep();
    context.console.Sleep(400);
    context.console.Beep();
    std::string saved;
    context.screen.SaveScreen(saved);
    PaintCompletionPanel(context.screen);
    context.console.Sleep(1000);
    context.screen.RestoreScreen(saved);
    design.programText.clear();

    pass.requests.previewRequest = 0;
    pass.requests.buildRequest = 0;
}

}  // namespace gridlet
