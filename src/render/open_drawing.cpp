#include "render/open_drawing.h"

namespace gridlet {

OpenDrawing::OpenDrawing(std::string_view programText)
    : program_(ReadProgram(programText)), interpreter_(program_, target_, notDrawn_) {
    interpreter_.Open("GRAFICWIN");
}

void OpenDrawing::Add(std::string_view lines, int firstLine) {
    interpreter_.Continue(ReadLines(lines, firstLine));
}

}  // namespace gridlet
