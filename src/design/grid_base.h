#pragma once
// The screen under the marks of a design read from a file, whose stored screen has the marks
// drawn in: the cells the objects' marks cover are given back to what lay there before any
// object, so that a mark taken away leaves the grid behind.

#include <string>

#include "model/design.h"
#include "screen/screen.h"

namespace gridlet {

// The stored screen with the cells of every object's mark that lie on the design grid put back:
// the grid inside the window, the cleared screen outside it. The screen shows storedScreen
// afterwards.
std::string GridBaseOf(Screen& screen, const Design& design, const std::string& storedScreen);

}  // namespace gridlet
