#pragma once
// Lines for the user on standard error, once the terminal is no longer the program's screen.

#include <string>

namespace gridlet {

// "gridlet: " and the line, its control characters escaped; never holds the program on a
// terminal that has stopped reading.
void Say(const std::string& line);

// A fault of the program the error trap met, said as such.
void SayFault(const std::string& fault);

}  // namespace gridlet
