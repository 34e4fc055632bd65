#include "render/render_program.h"

#include "render/graphic_target.h"
#include "render/interpreter.h"
#include "render/program.h"

namespace gridlet {

RenderResult RenderProgram(std::string_view programText) {
    const Program program = ReadProgram(programText);
    GraphicTarget target;
    RenderResult result;
    Interpreter(program, target, result.notDrawn).Run();
    result.image = target.Picture();
    if (const std::optional<Device> made = target.Made())
        result.kind = *made == Device::Window ? PictureKind::Window : PictureKind::PrinterPage;
    return result;
}

}  // namespace gridlet
