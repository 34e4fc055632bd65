#include "codegen/window_emitter.h"

#include "codegen/number_form.h"
#include "codegen/statement_lines.h"
#include "model/pixel_mapping.h"

namespace gridlet {
namespace {

double Columns(int count) {
    return static_cast<double>(kColumnWidth) * count;
}

// Without a fill colour the window is white; with style "0" it is cleared to the chosen colours;
// any other style draws a frame box over the whole window instead.
std::string Background(const CellRect& area, const Properties& p, std::int32_t objectNumber,
                       const std::string& windowBackgroundCode) {
    if (p.fillColor.empty()) return "   GRAPHIC COLOR %BLACK, %WHITE\r\n   GRAPHIC CLEAR\r\n\r\n";
    if (p.fillStyle == "0") {
        return ColourLine(p.edgeColor, p.fillColor) + "\r\n   GRAPHIC CLEAR\r\n\r\n";
    }
    const std::int32_t x2 = Nearest(Columns(area.right - area.left) + 7);
    const std::int32_t y2 = kRowHeight * (area.bottom - area.top) + 23;
    return windowBackgroundCode + BoxLine(3, 4, x2, y2, p, Tag(objectNumber, 8)) + "\r\n\r\n";
}

}  // namespace

WindowTexts EmitWindow(const CellRect& area, const Properties& properties,
                       std::int32_t objectNumber, const std::string& windowBackgroundCode) {
    WindowTexts w;
    w.windowX = Nearest(Columns(area.left) - 126);
    w.windowY = kRowHeight * area.top;
    w.windowWidth = Nearest(Columns(area.right - area.left + 1));
    w.windowHeight = kRowHeight * (area.bottom - area.top + 2) - 18;
    w.subHeader = " SUB GraficWin ()\r\n\r\n";
    w.windowCode = "   GRAPHIC WINDOW \" Example for PBCC5 or PBwin9 \"," + S(w.windowX) + "," +
                   S(w.windowY) + "," + S(w.windowWidth) + "," + S(w.windowHeight) +
                   " TO hWin\r\n   GRAPHIC ATTACH hWin, 0 \r\n";
    w.windowBackgroundCode = Background(area, properties, objectNumber, windowBackgroundCode);
    return w;
}

}  // namespace gridlet
