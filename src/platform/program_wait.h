#pragma once
// Waiting for a program started here: until it ends, until a deadline, or until this program is
// asked to stop. A program given up on is killed, so nothing of it is left running.

#include <sys/types.h>

#include <chrono>
#include <optional>

namespace gridlet {

using ProgramDeadline = std::optional<std::chrono::steady_clock::time_point>;

// The program's wait status once it has ended. At the deadline (none: no limit) it is killed,
// with its process group when it leads one of its own, and reaped; then nothing is returned. A
// request to stop this program (PendingStop) ends the wait: a program leading a group of its own
// is killed with it, one in this program's group is sent the same signal and waited for (an
// editor may keep the user's text on it); then SessionEnd is thrown.
std::optional<int> WaitForProgram(pid_t pid, bool ownGroup, ProgramDeadline deadline);

// Throws the SessionEnd of a request to stop that has come.
void EndIfStopPending();

}  // namespace gridlet
