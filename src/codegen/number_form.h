#pragma once
// How numbers are written into generated code.

#include <cstdint>
#include <string>

namespace gridlet {

// Decimal digits after a blank for zero and positive values, after "-" for negative ones.
std::string S(std::int64_t value);

// S without its blank.
std::string T(std::int64_t value);

}  // namespace gridlet
