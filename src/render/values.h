#pragma once
// Values of the interpreted program and the types its variables are declared with. Arithmetic is
// done in extended precision; storing into a variable rounds to the variable's type.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace gridlet {

struct PointF {
    float x = 0;
    float y = 0;
    bool operator==(const PointF&) const = default;
};

// The memory image of a PolyArray: its count and the vertices that follow it.
struct PolyPoints {
    long count = 0;
    std::vector<PointF> points;
};

using Value = std::variant<long double, std::string, PolyPoints>;

enum class BasicType { Long, Single, Double, Ext, String, PolyArray };

// Throws RenderError for a type name the renderer does not know.
BasicType TypeNamed(std::string_view upperName);

// The type a name has without a declaration: its suffix says it, SINGLE when it has none.
BasicType TypeOfSuffix(std::string_view name);

// The value as a variable of the type holds it: LONG rounds to the nearest integer (ties to
// even), SINGLE and DOUBLE round to their precision. Throws RenderError on a type mismatch or
// a number too large for LONG.
Value Stored(BasicType type, const Value& value);

Value InitialValue(BasicType type);

long double NumberOf(const Value& value);       // throws RenderError when it is not a number
const std::string& TextOf(const Value& value);  // throws RenderError when it is not a string
long LongOf(const Value& value);                // a LONG argument: rounded as LONG stores it
float SingleOf(const Value& value);             // a SINGLE argument

}  // namespace gridlet
