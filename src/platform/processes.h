#pragma once
// Starting outside programs: always an argument vector, never a shell command line, so a path
// with blanks in it stays one argument.

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

namespace gridlet {

enum class ProgramOutput {
    Terminal,   // the program shares the terminal and this program's process group (an editor)
    Discarded,  // its output goes to /dev/null and it leads a process group of its own, so that
                // whatever it started goes with it when it is killed
};

// How a program waited for came to its end.
struct ProgramEnd {
    bool started = false;
    bool timedOut = false;    // still running at the limit, so it was killed
    bool inputTaken = false;  // it read all of the input given
    int status = 0;           // the wait status, when it ended by itself

    // Started, took its input and exited with status 0 in its time.
    bool Succeeded() const;
};

constexpr std::chrono::milliseconds kNoLimit{-1};

// Runs argv[0] (a path) with the arguments that follow and waits for its end, for at most limit.
// A Discarded program reads input on its standard input, fed as it reads it, until the limit
// (/dev/null when there is none). Keys that stop or interrupt the program do not reach this one
// meanwhile. Nothing is started once a request to stop this program came, and one coming during
// the wait ends it (WaitForProgram): SessionEnd is thrown.
ProgramEnd RunAndWait(const std::vector<std::string>& argv, ProgramOutput output,
                      std::chrono::milliseconds limit = kNoLimit, std::string_view input = {});

// Starts argv[0] (a path) in the working directory as a session of its own, its input and output
// on /dev/null, and leaves it running; this program neither waits for it nor keeps it as a child.
void StartDetached(const std::vector<std::string>& argv, const std::string& workingDirectory);

}  // namespace gridlet
