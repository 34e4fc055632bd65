#pragma once
// The DoString body of a design file read back as its string variables: each is a font head and,
// once a Preview placed it, the part that prints it. The body has no tags, so a variable's number
// is not in it; its name is in the part that prints it, or else in the globals, which declare the
// variables in the order they were placed.

#include <string_view>
#include <vector>

#include "model/design_object.h"

namespace gridlet {

// The pieces the body is made of, in its order: string variables (number 0) and, between them,
// code kept as written. Their blocks joined are the body. globals are the design's GLOBAL lines.
std::vector<DesignObject> ReadStringVariables(std::string_view body, std::string_view globals);

}  // namespace gridlet
