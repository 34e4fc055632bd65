#include "codegen/window_emitter.h"

#include "codegen/number_form.h"
#include "codegen/statement_lines.h"
#include "design/pixel_mapping.h"

namespace gridlet {
namespace {

double Columns(int count) {
    return static_cast<double>(kColumnWidth) * count;
}

// Without a fill colour the window is white; with style "0" it is cleared to the chosen colours;
// any other style draws a frame box over the whole window instead.
void EmitBackground(DesignState& s) {
    const Properties& p = s.properties;
    if (p.fillColor.empty()) {
        s.windowBackgroundCode = "   GRAPHIC COLOR %BLACK, %WHITE\r\n   GRAPHIC CLEAR\r\n\r\n";
    } else if (p.fillStyle == "0") {
        s.windowBackgroundCode =
            "   GRAPHIC COLOR " + p.edgeColor + "," + p.fillColor + "\r\n   GRAPHIC CLEAR\r\n\r\n";
    } else {
        const std::int32_t x2 = Nearest(Columns(s.AreaRight - s.AreaLeft) + 7);
        const std::int32_t y2 = kRowHeight * (s.AreaBottom - s.AreaTop) + 23;
        s.windowBackgroundCode += BoxLine(3, 4, x2, y2, p, Tag(s.objectNumber, 8)) + "\r\n\r\n";
    }
}

}  // namespace

bool EmitWindow(DesignState& s) {
    if (s.windowExists == 1) return false;
    s.windowExists = 1;
    s.windowLeftCol = s.AreaLeft;
    s.windowTopRow = s.AreaTop;

    s.windowX = Nearest(Columns(s.AreaLeft) - 126);
    s.windowY = kRowHeight * s.AreaTop;
    s.windowWidth = Nearest(Columns(s.AreaRight - s.AreaLeft + 1));
    s.windowHeight = kRowHeight * (s.AreaBottom - s.AreaTop + 2) - 18;

    s.subHeader = " SUB GraficWin ()\r\n\r\n";
    s.windowCode = "   GRAPHIC WINDOW \" Example for PBCC5 or PBwin9 \"," + S(s.windowX) + "," +
                   S(s.windowY) + "," + S(s.windowWidth) + "," + S(s.windowHeight) +
                   " TO hWin\r\n   GRAPHIC ATTACH hWin, 0 \r\n";
    EmitBackground(s);
    return true;
}

}  // namespace gridlet
