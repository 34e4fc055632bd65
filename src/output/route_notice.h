#pragma once
// The row-46 notice of an output route that could not do all it was asked: light grey on black,
// as the error trap's, shown for a while.

#include <string_view>

#include "interact/context.h"

namespace gridlet {

// The text from column 1, blank to the end of the row, then a pause of 3 s.
void ShowRouteNotice(Context& context, std::string_view text);

}  // namespace gridlet
