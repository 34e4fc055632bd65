#include "codegen/string_literal.h"

namespace gridlet {

std::string Quoted(std::string_view text) {
    std::string literal = "\"";
    for (char ch : text) {
        literal += ch;
        if (ch == '"') literal += '"';
    }
    literal += '"';
    return literal;
}

}  // namespace gridlet
