#pragma once
// An object's block written again from its values, exactly as its tool writes it: what an edit
// rewrites and what a design file's code is checked against when it is read back as objects.

#include <string>

#include "model/design_object.h"

namespace gridlet {

// The block of the object with its number and values: a drawing kind's statements as first
// placed, or as the move menu rebuilds them when the object was; a text's font head and lines;
// a string variable's font head and, once printed, its place in the DoString body.
std::string BuildObjectBlock(const DesignObject& object);

}  // namespace gridlet
