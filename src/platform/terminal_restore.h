#pragma once
// Puts the terminal back as the program found it on every way out: normal return, exit(), an
// uncaught exception (through abort) and every signal whose default action ends a program. A
// signal from outside that asks the program to end (SIGTERM, SIGHUP, SIGINT, SIGUSR1, SIGALRM,
// ...) can be left to the main flow, so that it keeps what must be kept before it ends; one that
// says the program itself went wrong (SIGSEGV, SIGABRT, SIGSYS, ...) ends it at once. Giving the
// terminal back never waits long on a terminal that has stopped reading.

#include <termios.h>

#include <csignal>
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
// Bounded in time and async-signal-safe.
void RestoreTerminal();

// The same without disarming, for a stop; TakeTerminalAgain sets the program's modes again.
// Both do nothing when not armed. Async-signal-safe.
void HandBackTerminal();
void TakeTerminalAgain();

// While wakeFd is 0 or more, a signal from outside that asks the program to end does not end it
// at once: the handler keeps the signal for PendingStop() and writes a byte to wakeFd (a
// non-blocking pipe the main flow watches). The terminal stays as it is, so the main flow keeps
// the design first and then restores it. A second such signal restores the terminal and ends the
// program. -1 ends the deferral and forgets a pending stop.
void DeferStopSignals(int wakeFd);

// The stop signal that came while deferred, or 0.
int PendingStop();

// The signals that may be deferred, for a wait that must not miss one (ppoll's mask).
sigset_t StopSignals();

}  // namespace gridlet
