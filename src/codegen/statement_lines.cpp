#include "codegen/statement_lines.h"

#include "codegen/number_form.h"

namespace gridlet {

std::string Tag(std::int32_t objectNumber, int leadingBlanks) {
    return std::string(static_cast<std::size_t>(leadingBlanks), ' ') + "' [[ " + S(objectNumber) +
           "  ]] ";
}

std::string ColourLine(std::string_view edgeColor, std::string_view fillColor) {
    std::string line = "   GRAPHIC COLOR ";
    line.append(edgeColor);
    line += ",";
    line.append(fillColor);
    return line;
}

std::string Corners(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    std::string text = "(";
    text += T(x1) + "," + S(y1) + ") - (" + T(x2) + "," + S(y2) + ")";
    return text;
}

std::string BoxLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                    const Properties& p, std::string_view tag) {
    std::string line = "   GRAPHIC BOX " + Corners(x1, y1, x2, y2) + "," + p.cornerSidesPoints +
                       "," + p.edgeColor + "," + p.fillColor + "," + p.fillStyle;
    line.append(tag);
    return line;
}

}  // namespace gridlet
