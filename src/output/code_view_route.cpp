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

// The request is served and the text gone however the route ends, so neither is left for the
// next composition.
class RouteEnd {
  public:
    explicit RouteEnd(Context& context) : context_(context) {}
    ~RouteEnd() {
        context_.pass.requests.codeViewRequest = 0;
        context_.design.programText.clear();
    }
    RouteEnd(const RouteEnd&) = delete;
    RouteEnd& operator=(const RouteEnd&) = delete;

  private:
    Context& context_;
};

}  // namespace

void RunCodeViewRoute(Context& context) {
    const RouteEnd routeEnd(context);
    Design& design = context.design;
    Console& console = context.console;
    const std::string directory = CurrentDirectory();
    const std::string source = directory + "/Testgui.bas";
    console.Sleep(200);
    design.programText = CompleteProgram(design.sections, design);
    ReplaceOwnFile(source, design.programText);
    console.Sleep(200);
    const bool opened = OpenInEditor(context, directory, source);
    console.Sleep(200);
    if (!opened) ShowRouteNotice(context, kNoEditorText);
}

}  // namespace gridlet
