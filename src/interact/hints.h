#pragma once
// The one-line explanations of the strip buttons shown on the hint row.

#include <string>

namespace gridlet {

// The hint for a pointer on the given row of the left or right strip, padded to 89 characters;
// empty where a row has none (row 46, and rows 25-27 of the right strip).
std::string LeftStripHint(int row);
std::string RightStripHint(int row);

}  // namespace gridlet
