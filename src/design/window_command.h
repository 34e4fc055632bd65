#pragma once
// The Window command: the graphic window made from the marked area.

#include "interact/context.h"

namespace gridlet {

// The colours the screen outside the window is cleared to.
constexpr int kClearedForeground = 0;
constexpr int kClearedBackground = 7;

// Makes the design's graphic window for the area: its place, size and code, its background from
// the properties. False, with nothing changed, once the window exists.
bool CreateWindow(Design& design, const CellRect& area, const Properties& properties);

// Turns the area of the pass into the graphic window: everything outside it is cleared, and from
// then on every area must start inside it. Does nothing once the window exists; without a marked
// area it asks for two corners, as the tools do.
void WindowCommand(Context& context);

}  // namespace gridlet
