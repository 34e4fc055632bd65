#include "output/code_view_route.h"

#include "output/main_function.h"
#include "output/outside_programs.h"
#include "output/route_notice.h"
#include "platform/atomic_file.h"
#include "platform/files.h"
#include "platform/processes.h"

namespace gridlet {
namespace {

// The first editor that starts has the terminal until it ends; false when none started.
bool OpenInEditor(Context& context, const std::string& directory, const std::string& file) {
    const std::vector<std::vector<std::string>> editors =
        EditorCommands(context.environment, directory, file);
    if (editors.empty()) return false;
    bool started = false;
    context.console.LendTerminal([&] {
        for (const std::vector<std::string>& editor : editors) {
            started = RunAndWait(editor, ProgramOutput::Terminal).started;
            if (started) return;
        }
    });
    return started;
}

}  // namespace

void RunCodeViewRoute(Context& context, SectionTable sections) {
    Console& console = context.console;
    const std::string directory = CurrentDirectory();
    const std::string source = directory + "/Testgui.bas";
    console.Sleep(200);
    ReplaceOwnFile(source, CompleteProgram(sections, context.design));
    console.Sleep(200);
    const bool opened = OpenInEditor(context, directory, source);
    console.Sleep(200);
    if (!opened) ShowRouteNotice(context, kNoEditorText);
}

}  // namespace gridlet
