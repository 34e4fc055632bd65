#pragma once
// The marks of a design read from a file whose extent its code does not hold: a text's area, a
// line step's run and a string variable's run start where their pixels map, and reach as far as
// the stored screen shows them.

#include <string>
#include <vector>

#include "model/design_object.h"
#include "screen/screen.h"

namespace gridlet {

// Each such mark widened to the largest area from its first cell on whose drawing the stored
// screen shows, cell for cell, where no later object's mark lies over it; a mark the screen does
// not show stays as it is. The screen shows storedScreen afterwards.
void FitMarks(Screen& screen, std::vector<DesignObject>& objects, const std::string& storedScreen);

}  // namespace gridlet
