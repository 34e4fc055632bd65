#pragma once
// What an output button asks for: the route the composed code takes, and its form.

namespace gridlet {

// Graphic-window code (a left click) or printer code (a right click).
enum class CodeForm { GraphicWindow, Printer };

enum class OutputRoute { Build, Preview, CodeView };

struct OutputRequest {
    OutputRoute route;
    CodeForm form;
};

}  // namespace gridlet
