#pragma once
// Puts the terminal back as the program found it on every way out: normal return, exit(), an
// uncaught exception (through abort) and the signals that end a program. A request to stop from
// outside (SIGTERM, SIGHUP, SIGINT) can be left to the main flow, so that it keeps what must be
// kept before it ends.

#include <termios.h>

#include <string_view>

namespace gridlet {

// The settings of one terminal before the program changed them and those the program runs with,
// with the control strings that set and undo the program's modes.
struct TerminalModes {
    termios original;
    termios program;
    std::string_view takeBytes;
    std::string_view restoreBytes;
};

// Arms the restoration of one terminal. The signal handlers and the exit hook are installed on
// the first call; a signal the process ignores stays ignored.
void ArmTerminalRestore(int inFd, int outFd, const TerminalModes& modes);

// Writes the restore bytes, discards the input still coming (mouse reports sent before tracking
// stopped) and sets the original settings back; then disarms. Does nothing when not armed.
// Async-signal-safe.
void RestoreTerminal();

// The same without disarming, for a stop; TakeTerminalAgain sets the program's modes again.
// Both do nothing when not armed. Async-signal-safe.
void HandBackTerminal();
void TakeTerminalAgain();

// While wakeFd is 0 or more, SIGTERM, SIGHUP and SIGINT do not end the program at once: the
// handler restores the terminal, keeps the signal for PendingStop() and writes a byte to wakeFd
// (a non-blocking pipe the main flow watches). A second such signal ends the program as before.
// -1 ends the deferral and forgets a pending stop.
void DeferStopSignals(int wakeFd);

// The stop signal that came while deferred, or 0.
int PendingStop();

}  // namespace gridlet
