#pragma once
// The end of the session, from below the main flow: the terminal went away, a signal asked the
// program to stop, or the user quit at the size notice. Thrown up to main(), which keeps the
// design and ends as it says. Not a std::exception, so the main loop's error trap lets it pass.

#include <string>

namespace gridlet {

struct SessionEnd {
    int signal = 0;  // the signal to end by; 0: exit with exitStatus
    int exitStatus = 0;
    std::string message;  // for standard error once the terminal is restored; may be empty
};

}  // namespace gridlet
