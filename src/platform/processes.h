#pragma once
// Starting outside programs: always an argument vector, never a shell command line, so a path
// with blanks in it stays one argument.

#include <string>
#include <vector>

namespace gridlet {

enum class ProgramOutput {
    Terminal,   // the program shares the terminal (an editor)
    Discarded,  // its input and output are /dev/null, so nothing of it reaches the screen
};

// Runs argv[0] (a path) with the arguments that follow and waits for its end; the exit status is
// not looked at. Keys that stop or interrupt the program do not reach this one meanwhile.
// False when it could not be started.
bool RunAndWait(const std::vector<std::string>& argv, ProgramOutput output);

// Starts argv[0] (a path) in the working directory as a session of its own, its input and output
// on /dev/null, and leaves it running; this program neither waits for it nor keeps it as a child.
void StartDetached(const std::vector<std::string>& argv, const std::string& workingDirectory);

}  // namespace gridlet
