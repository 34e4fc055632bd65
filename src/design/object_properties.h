#pragma once
// The objects panel's Properties: the dialogs an object's tool takes its values from, opened on
// the object's values, and its block written again as the tool writes it with the new ones.

#include <cstddef>

#include "interact/context.h"

namespace gridlet {

// Whether an object has values its tool lets the user choose: not a line step, not a bitmap, not
// code kept as written.
bool HasProperties(const DesignObject& object);

// Opens, for the object at index, its kind's properties menu with the object's properties; for an
// arc or a pie the arc menu first (a click beside its buttons keeps that angle), for a text or a
// string variable the font chooser first on its font, and for a text the text-entry dialog last,
// holding its text (emptied, the text stays). The block is then written again as its tool writes
// it with the new values, with the object's number and the support its tool adds, and the change
// goes into the undo history. False when nothing changed; with a beep for an object without
// properties.
bool EditObjectProperties(Context& context, std::size_t index);

}  // namespace gridlet
