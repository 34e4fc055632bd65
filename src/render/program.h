#pragma once
// The structure of a program text: its routines and the lines outside them. Lines are cut at
// CR LF or LF; a line ending in " _" goes on in the next.

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace gridlet {

struct ProgramLine {
    int number;        // 1-based, of the line's first physical line
    std::string text;  // blanks trimmed at both ends
};

struct Routine {
    ProgramLine header;
    std::vector<ProgramLine> body;
    bool closed = false;  // its END SUB or END FUNCTION was found
};

struct Program {
    std::vector<ProgramLine> outside;         // lines outside every routine and TYPE block
    std::map<std::string, Routine> routines;  // by upper-case name
};

Program ReadProgram(std::string_view text);

// The logical lines of a text, numbered from firstNumber on.
std::vector<ProgramLine> ReadLines(std::string_view text, int firstNumber = 1);

}  // namespace gridlet
