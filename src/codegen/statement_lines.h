#pragma once
// Pieces shared by the statement templates.

#include <cstdint>
#include <string>
#include <string_view>

#include "model/properties.h"

namespace gridlet {

// Lines of a statement block, each ended with CR LF.
struct Block {
    void Line(std::string_view line) {
        text.append(line);
        text.append("\r\n");
    }
    void BlankLine() { text.append("\r\n"); }
    std::string text;
};

// The object tag: blanks, "' [[ ", the object number with its sign blank, "  ]] ".
std::string Tag(std::int32_t objectNumber, int leadingBlanks);

// "   GRAPHIC COLOR edge,fill", without its line end.
std::string ColourLine(std::string_view edgeColor, std::string_view fillColor);

// "(x1, y1) - (x2, y2)" with only the x after each parenthesis trimmed.
std::string Corners(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);

// The GRAPHIC BOX line, without its line end.
std::string BoxLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                    const Properties& p, std::string_view tag);

}  // namespace gridlet
