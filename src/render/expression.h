#pragma once
// Evaluates the expressions the generated code writes: numbers with + - * / and parentheses,
// string literals, string variables and $DQ joined with + or &, colour equates, variables and
// calls of the support functions.

#include <string>
#include <vector>

#include "render/token_cursor.h"
#include "render/values.h"

namespace gridlet {

// What an expression may name: the interpreter's variables and functions.
class Names {
  public:
    virtual ~Names() = default;
    virtual Value Read(const std::string& name) = 0;
    virtual void Assign(const std::string& name, const Value& value) = 0;
    virtual Value Call(const std::string& name, const std::vector<Value>& arguments) = 0;
};

// Reads one expression from the cursor and returns its value; stops before the first token that
// cannot continue it. Throws RenderError.
Value ReadExpression(TokenCursor& cursor, Names& names);

}  // namespace gridlet
