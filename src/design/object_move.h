#pragma once
// The objects panel's Move: the move menu on one of the design's objects.

#include <cstddef>

#include "interact/context.h"

namespace gridlet {

// Runs the move menu on the object at index, starting from its points. Its Preview shows the
// design with the object where the menu has shifted it, in its place among the others; Accept
// writes the object's block again from the shifted points as the menu's Preview builds it, and
// its mark moves by the cells its points moved across with the tool's mapping. Move to Back sends
// it to the back as well, where it may go. A move that would take a point of the object out of
// the window, or further out, is refused with a message. The change goes into the undo history;
// false when nothing changed.
bool MoveObject(Context& context, std::size_t index);

}  // namespace gridlet
