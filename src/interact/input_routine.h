#pragma once
// The tool phase's wait for a click or key, with the strip hints on the hint row.

#include "interact/wait_click.h"

namespace gridlet {

// Returns at the first left or right button event, at the cell it reports, or with the command
// code of a key (or a middle-button event) and the cell of the last move in the same call.
ClickResult InputRoutine(Console& console);

}  // namespace gridlet
