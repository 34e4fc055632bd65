#pragma once
// What the terminal's terminfo description says about the few strings the program needs.

#include <string>

namespace gridlet {

struct TerminalDescription {
    std::string f1Key;           // empty when unknown
    std::string enterAlternate;  // the alternate screen, xterm's when unknown
    std::string leaveAlternate;
};

// Reads the description named by TERM for the terminal on fd.
TerminalDescription LoadTerminalDescription(int fd);

}  // namespace gridlet
