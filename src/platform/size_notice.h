#pragma once
// The notice a terminal too small for the screen shows instead of it, and the keys that leave it.

#include <string>

#include "platform/input_event.h"

namespace gridlet {

// The bytes that clear a terminal of the given size and centre the notice on it, each line cut to
// the width and only as many lines as fit.
std::string SizeNotice(int columns, int rows);

// True for the keys that end the program at the notice: q and Ctrl+C.
bool QuitsAtSizeNotice(const InputEvent& event);

}  // namespace gridlet
