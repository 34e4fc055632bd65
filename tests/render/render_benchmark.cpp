// Renders a generated design of many objects of every kind, as the preview does.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/picture_display.h"
#include "program_parts.h"
#include "render/render_program.h"

namespace gridlet {
namespace {

std::string N(int value) {
    return (value < 0 ? "" : " ") + std::to_string(value);
}

// Object i of the design, in the statement forms the tools write, spread over the window.
std::string ObjectBlock(int i) {
    const int x1 = 10 + (i * 37) % 700;
    const int y1 = 10 + (i * 53) % 820;
    const int x2 = x1 + 20 + i % 50;
    const int y2 = y1 + 15 + i % 40;
    const std::string box =
        "(" + std::to_string(x1) + "," + N(y1) + ") - (" + std::to_string(x2) + "," + N(y2) + ")";
    const std::string tag = "        ' [[ " + N(i) + "  ]] \r\n\r\n";
    const std::string colour = std::to_string((i * 2654435761u) & 0xFFFFFF);
    switch (i % 9) {
        case 0:
            return "   GRAPHIC WIDTH 2\r\n   GRAPHIC BOX " + box + ", " + std::to_string(i % 30) +
                   ",0," + colour + "," + std::to_string(i % 7) + tag;
        case 1:
            return "   GRAPHIC WIDTH 1\r\n   GRAPHIC ELLIPSE " + box + ",0," + colour + ",0" + tag;
        case 2:
            return "   GRAPHIC COLOR 0\r\n   GRAPHIC WIDTH 2\r\n   GRAPHIC LINE " + box + tag;
        case 3:
            return "   GRAPHIC WIDTH 2\r\n   sPts =  8 \r\n   RR1  = fDegree2Radian(180/sPts)\r\n"
                   "   DIM tPpts" +
                   std::to_string(i) +
                   " AS LOCAL PolyArray\r\n"
                   "   TYPE SET tPpts" +
                   std::to_string(i) + " = fPolygon(" + N(x1) + "," + N(y1) + "," + N(x2) + "," +
                   N(y2) +
                   ", RR1, sPts)\r\n"
                   "   GRAPHIC POLYGON tPpts" +
                   std::to_string(i) + ",0," + colour + ",0,0" + tag;
        case 4:
            return "   GRAPHIC WIDTH 2\r\n   sPts =  5 \r\n   RR1  = fDegree2Radian(180/sPts)\r\n"
                   "   RR2  = fDegree2Radian(360/sPts)\r\n\r\n   GRAPHIC_Star " +
                   N(x1) + ", " + N(y1) + ", " + N(x2) + ", " + N(y2) + ", RR1, " + N(x1 + 5) +
                   ", " + N(y1 + 4) + ", " + N(x2 - 5) + ", " + N(y2 - 4) + ", RR2, sPts,0" + tag;
        case 5:
            return "   GRAPHIC WIDTH 2\r\n   GRAPHIC ARC " + box + ",2.355,4.71,0" + tag;
        case 6:
            return "   GRAPHIC WIDTH 2\r\n   GRAPHIC PIE " + box + ",0,1.57,0," + colour + ",0" +
                   tag;
        case 7:
            return "   GRAPHIC PAINT (" + std::to_string(x1 + 3) + "," + N(y1 + 3) + ")," + colour +
                   ",0,0" + tag;
        default:
            return "   FONT NEW \"Lucida console\", 10, 0, 255, 0, esc TO hFont\r\n\r\n"
                   "   GRAPHIC SET FONT hFont\r\n   GRAPHIC COLOR %BLACK, %WHITE \r\n"
                   "   Xs = " +
                   N(x1) + " : Ys = " + N(y1) +
                   "\r\n"
                   "   GRAPHIC CHR SIZE TO nWidth, nHeight\r\n   GRAPHIC SET POS ( Xs,  Ys)\r\n"
                   "   GRAPHIC PRINT \"Hello big\"\r\n"
                   "   Ys = Ys + nHeight : GRAPHIC SET POS (Xs, Ys)\r\n"
                   "   GRAPHIC PRINT \"world\"\r\n\r\n   FONT END hfont" +
                   tag;
    }
}

std::string Design(int objects) {
    std::string program =
        "\r\n" + SupportFunctions() +
        " SUB GraficWin ()\r\n\r\n   LOCAL hwin AS LONG \r\n\r\n"
        "  LOCAL RR1, RR2 AS EXT\r\n  LOCAL sPts AS SINGLE\r\n"
        "   LOCAL nWidth, nHeight, Xs, Ys AS LONG\r\n\r\n"
        "   LOCAL esc, HFONT AS LONG\r\n"
        "   GRAPHIC WINDOW \" Example for PBCC5 or PBwin9 \", 11, 46, 779, 902 TO "
        "hWin\r\n   GRAPHIC ATTACH hWin, 0 \r\n   GRAPHIC COLOR 0,%WHITE\r\n"
        "   GRAPHIC CLEAR\r\n\r\n";
    for (int i = 1; i <= objects; ++i) program += ObjectBlock(i);
    return program +
           " END SUB \r\n\r\n FUNCTION PBMAIN () as long\r\n    GraficWin \r\n"
           "    Graphic Waitkey$\r\n    Graphic Window End\r\n END FUNCTION \r\n";
}

void RenderDesign(benchmark::State& state) {
    const std::string program = Design(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const RenderResult result = RenderProgram(program);
        if (!result.notDrawn.empty()) state.SkipWithError(result.notDrawn[0].reason.c_str());
        benchmark::DoNotOptimize(result.image.pixels.data());
    }
}

BENCHMARK(RenderDesign)->Arg(100)->Arg(800)->Unit(benchmark::kMillisecond);

// What the preview does for a design: render it, then turn the picture into the bytes that show
// it over the screen's 90 x 44 cells (block symbols, or sixels of 10 x 20-pixel cells).
void RenderAndShow(benchmark::State& state, PictureMode mode) {
    const std::string program = Design(static_cast<int>(state.range(0)));
    const CellRect area{2, 1, 45, 90};
    for (auto _ : state) {
        const RenderResult result = RenderProgram(program);
        const RgbImage& image = result.image;
        const CellRect place = FitPicture(image.width, image.height, area, CellPixels{}, mode);
        const std::string bytes = PictureBytes({image.width, image.height, image.pixels}, place,
                                               mode, ColourDepth::TrueColour, CellPixels{});
        if (bytes.empty()) state.SkipWithError("no picture");
        benchmark::DoNotOptimize(bytes.data());
    }
}

BENCHMARK_CAPTURE(RenderAndShow, symbols, PictureMode::Symbols)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RenderAndShow, sixels, PictureMode::Sixels)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace gridlet
