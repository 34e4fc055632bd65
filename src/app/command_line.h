#pragma once
// The command line: the full-screen designer, with a design to open at start or none, or one of
// the options that answer on standard output and end at once.

#include <ostream>
#include <span>
#include <string>
#include <vector>

namespace gridlet {

enum class CommandAction { Design, Help, Version, Render, Code, Refuse };

struct CommandLine {
    CommandAction action = CommandAction::Design;
    std::vector<std::string> operands;  // the option's own arguments in order; for Design, the
                                        // design file to open at start, if one is given
    bool printer = false;               // Code: printer code rather than graphic-window code
    bool picture = false;               // Design: start with the picture on the grid
    std::string refusal;                // why the command line was refused
};

// The arguments after the program's name.
CommandLine ParseCommandLine(std::span<const char* const> arguments);

// The usage, the options, the keys that matter and where files go.
std::string HelpText();

// Carries out any action but Design and gives the exit status: 0 when done, 2 for a refused
// command line (its reason and the usage go to `errors`).
int RunCommandLine(const CommandLine& command, std::ostream& out, std::ostream& errors);

}  // namespace gridlet
