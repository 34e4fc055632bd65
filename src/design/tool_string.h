#pragma once
// The string-variable tool: a variable named in the string panel is declared GLOBAL, given a
// demonstration value in PBMAIN and printed from DoString at the marked place.

#include "interact/context.h"

namespace gridlet {

void StringTool(Context& context);

}  // namespace gridlet
