#pragma once
// The pop-up messages that several tools share.

#include "platform/console.h"
#include "screen/screen.h"

namespace gridlet {

// Beeps, shows the area-needed panel until any enabled input arrives, then puts the screen back.
void AreaNeededMessage(Console& console, Screen& screen);

// Tells the user that a graphic window must exist first.
void WindowNeededMessage(Console& console);

// Tells the user that a change would take an object out of the graphic window.
void OutsideWindowMessage(Console& console);

}  // namespace gridlet
