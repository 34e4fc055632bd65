#include "output/preview_route.h"

#include <sys/wait.h>

#include <chrono>

#include "output/main_function.h"
#include "output/outside_programs.h"
#include "output/preview_picture.h"
#include "output/route_notice.h"
#include "platform/atomic_file.h"
#include "platform/basic_error.h"
#include "platform/files.h"
#include "platform/processes.h"
#include "render/png_file.h"
#include "render/render_program.h"

namespace gridlet {
namespace {

constexpr char kSourceName[] = "Testgui.bas";
constexpr char kProgramName[] = "Testgui.exe";
constexpr char kPictureName[] = "Testgui.png";

// A compiler under wine that has not ended by then is taken for hung.
constexpr std::chrono::seconds kCompileLimit{60};

void DeleteIfThere(const std::string& path) {
    if (FileExists(path)) DeleteFile(path);
}

// The program into Testgui.bas in the directory, written afresh; gives the file's path.
std::string WriteSource(const std::string& directory, const std::string& program) {
    const std::string source = directory + "/" + kSourceName;
    ReplaceOwnFile(source, program);
    return source;
}

// The compiler is waited for, for a while at most, and kept off the screen; the program it builds
// runs on by itself. A compiler that failed leaves nothing to start.
void CompileAndStart(Context& context, const std::string& wine, const std::string& directory,
                     const std::string& program) {
    DeleteIfThere(directory + "/" + kProgramName);
    const std::string source = WriteSource(directory, program);
    const ProgramEnd compiled = RunAndWait({wine, kCompilerPath, "/Q", WindowsPath(source)},
                                           ProgramOutput::Discarded, kCompileLimit);
    if (!compiled.started) throw BasicError(kErrorFileNotFound, "cannot start " + wine);
    if (!compiled.Succeeded()) {
        ShowRouteNotice(context, CompilerFailureText(compiled));
        return;
    }
    context.console.Sleep(100);
    StartDetached({wine, kProgramName}, directory);
}

void DrawAndShow(Context& context, const std::string& directory, const std::string& program) {
    WriteSource(directory, program);
    const std::string picture = directory + "/" + kPictureName;
    const RenderResult result = RenderProgram(program);
    if (result.kind == PictureKind::None) {
        DeleteIfThere(picture);
    } else {
        ReplaceOwnFile(picture, EncodePng(result.image));
    }
    ShowPreviewPicture(context, result, kPictureName);
}

}  // namespace

std::string CompilerFailureText(const ProgramEnd& compiled) {
    std::string why;
    if (compiled.timedOut) {
        why = "did not end within " + std::to_string(kCompileLimit.count()) + " s and was killed";
    } else if (WIFSIGNALED(compiled.status)) {
        why = "was ended by signal " + std::to_string(WTERMSIG(compiled.status));
    } else {
        why = "failed with status " + std::to_string(WEXITSTATUS(compiled.status));
    }
    return " The compiler " + why + "; Testgui.exe was not started";
}

void RunPreviewRoute(Context& context, SectionTable sections) {
    const std::string program = CompleteProgram(sections, context.design);
    context.clipboard.Empty();
    context.clipboard.SetText(program);

    const std::string directory = CurrentDirectory();
    const std::string wine = CompilerWine(context.environment);
    if (wine.empty()) {
        DrawAndShow(context, directory, program);
    } else {
        CompileAndStart(context, wine, directory, program);
    }
}

}  // namespace gridlet
