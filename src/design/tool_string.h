#pragma once
// The string-variable tool: a variable named in the string panel is declared GLOBAL, given a
// demonstration value in PBMAIN and printed from DoString at the marked place.

#include "design/tool_course.h"
#include "interact/context.h"

namespace gridlet {

// Where the variable is printed, relative to the marked cells.
constexpr PixelOffset kStringFirstOffset{3, -10};
constexpr PixelOffset kStringSecondOffset{3, 4};

void StringTool(Context& context);

}  // namespace gridlet
