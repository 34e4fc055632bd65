#pragma once
// The notice a terminal too small for the screen shows instead of it.

#include <string>

namespace gridlet {

// The bytes that clear a terminal of the given size and centre the notice on it, each line cut to
// the width and only as many lines as fit.
std::string SizeNotice(int columns, int rows);

}  // namespace gridlet
