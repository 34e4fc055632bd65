#pragma once
// Renders small window programs for the pixel checks: a white window of 100 x 100 with black as
// the foreground, then the statements under test.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "program_parts.h"
#include "render/render_program.h"

namespace gridlet {

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kRed{255, 0, 0};

// The support functions follow the routine, so its line numbers start at 1.
inline std::string WindowProgram(const std::string& statements, int width = 100, int height = 100) {
    return " SUB GraficWin ()\r\n"
           "   LOCAL hwin AS LONG \r\n"
           "   GRAPHIC WINDOW \" Example \", 0, 0, " +
           std::to_string(width) + ", " + std::to_string(height) +
           " TO hWin\r\n"
           "   GRAPHIC ATTACH hWin, 0 \r\n"
           "   GRAPHIC COLOR 0,%WHITE\r\n"
           "   GRAPHIC CLEAR\r\n" +
           statements + " END SUB\r\n" + SupportFunctions();
}

// Renders and fails the test when any statement was not drawn.
inline RgbImage Drawn(const std::string& statements, int width = 100, int height = 100) {
    RenderResult result = RenderProgram(WindowProgram(statements, width, height));
    for (const NotDrawn& entry : result.notDrawn)
        ADD_FAILURE() << "not drawn: line " << entry.line << ": " << entry.text << " ("
                      << entry.reason << ")";
    return std::move(result.image);
}

// Whether every pixel of the colour satisfies the check; false too when there is none.
inline bool AllPixelsOf(const RgbImage& image, Rgb colour,
                        const std::function<bool(int x, int y)>& check) {
    bool any = false;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (!(image.At(x, y) == colour)) continue;
            if (!check(x, y)) return false;
            any = true;
        }
    }
    return any;
}

}  // namespace gridlet
