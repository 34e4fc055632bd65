#pragma once
// The undo history: two parallel stacks of kHistorySize entries, index 0 the newest. An empty
// screen entry 0 means there is nothing to undo.

#include <string>

#include "model/design.h"

namespace gridlet {

// Inserts at index 0; the entry at the last index falls off.
void PushHistory(Design& design, std::string code, std::string screen) noexcept;

// Removes index 0; the last index becomes empty.
void DropNewestHistory(Design& design);

}  // namespace gridlet
