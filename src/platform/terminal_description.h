#pragma once
// What the terminal's terminfo description says about the few things the program needs.

#include <string>

namespace gridlet {

struct TerminalDescription {
    bool found = false;          // the terminfo database has the terminal
    std::string f1Key;           // empty when unknown
    std::string enterAlternate;  // the alternate screen, xterm's when unknown
    std::string leaveAlternate;
    bool mouseReports = false;  // it names a mouse report (kmous) or the xterm mouse mode (XM)
    bool directColour = false;  // 24-bit colour (the RGB or Tc flag)
    int colours = 0;            // the number of colours it names (colors); 0 when it names none
};

// Reads the description of the terminal on fd; term names it, as TERM does (null: TERM itself).
TerminalDescription LoadTerminalDescription(int fd, const char* term = nullptr);

}  // namespace gridlet
