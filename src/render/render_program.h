#pragma once
// The preview renderer: the text of a generated program in, the picture it draws out, with
// every statement it could not draw. No statement is skipped in silence and none stops the
// picture.

#include <string>
#include <string_view>
#include <vector>

#include "render/rgb_image.h"

namespace gridlet {

struct NotDrawn {
    int line;          // 1-based; 0 for the program as a whole
    std::string text;  // the line, Windows-1252 as in the program
    std::string reason;
};

enum class PictureKind { None, Window, PrinterPage };

struct RenderResult {
    RgbImage image;  // the window's client area or the printed page; empty for none
    PictureKind kind = PictureKind::None;
    std::vector<NotDrawn> notDrawn;
};

// Runs PBMAIN, or, in a program without it (the clipboard text), SUB GraficWin.
RenderResult RenderProgram(std::string_view programText);

}  // namespace gridlet
