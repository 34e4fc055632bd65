#pragma once
// Help: the menu of pages over whatever the screen shows, until the user leaves it.

#include <string>

#include "screen/screen.h"

namespace gridlet {

// Returns with the screen as it was on entry. The selection is kept for the next opening.
void ShowHelp(Screen& screen, std::string& selection);

}  // namespace gridlet
