#pragma once
// A program's SUB GraficWin drawn and kept open at its end: lines added to the end of the routine
// are drawn onto the picture as the whole program would draw them, without drawing the rest again.

#include <memory>
#include <string_view>
#include <vector>

#include "render/graphic_target.h"
#include "render/interpreter.h"
#include "render/program.h"
#include "render/render_program.h"

namespace gridlet {

class OpenDrawing {
  public:
    // Draws the program's SUB GraficWin.
    explicit OpenDrawing(std::string_view programText);

    // Draws lines that follow the routine's last line; firstLine is the number of their first
    // line in the whole program.
    void Add(std::string_view lines, int firstLine);

    // The window's picture; empty when the routine opens none.
    RgbImage Picture() const { return target_.Picture(); }
    const std::vector<NotDrawn>& NotDrawnList() const { return notDrawn_; }

  private:
    Program program_;
    GraphicTarget target_;
    std::vector<NotDrawn> notDrawn_;
    Interpreter interpreter_;
};

}  // namespace gridlet
