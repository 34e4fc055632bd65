#pragma once
// The name of the system version, which decides how a dialog is brought in front.

#include <string>

namespace gridlet {

// "Unknown" here: dialogs drawn in the console take the foreground route, which needs nothing.
std::string SystemVersion();

}  // namespace gridlet
