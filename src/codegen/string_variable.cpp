#include "codegen/string_variable.h"

#include "codegen/number_form.h"
#include "codegen/statement_lines.h"
#include "codegen/string_literal.h"

namespace gridlet {

std::string StringGlobalLine(std::string_view name) {
    std::string line = "  GLOBAL ";
    line.append(name);
    line += " AS STRING\r\n";
    return line;
}

std::string StringAssignmentLine(std::string_view name, std::int32_t stringCounter) {
    std::string line = "    ";
    line.append(name);
    line += " = " + Quoted(T(100 * static_cast<std::int64_t>(stringCounter))) + "\r\n";
    return line;
}

std::string StringPositionPart(std::string_view edgeColor, std::string_view fillColor,
                               std::int32_t x1, std::int32_t y1, std::string_view name) {
    Block block;
    block.Line(ColourLine(edgeColor, fillColor));
    block.Line("   GRAPHIC SET POS ( " + S(x1) + ", " + S(y1) + ")");
    std::string print = "   GRAPHIC PRINT ";
    print.append(name);
    block.Line(print);
    block.BlankLine();
    return block.text;
}

}  // namespace gridlet
