#pragma once
// Puts the terminal back as the program found it on every way out: normal return, exit(), an
// uncaught exception (through abort) and the signals that end a program.

#include <termios.h>

#include <string_view>

namespace gridlet {

// Arms the restoration of one terminal: `original` are its settings before the program changed
// them, `restoreBytes` the control string that undoes the program's modes. The signal handlers and
// the exit hook are installed on the first call; a signal the process ignores stays ignored.
void ArmTerminalRestore(int inFd, int outFd, const termios& original,
                        std::string_view restoreBytes);

// Writes the restore bytes, discards the input still coming (mouse reports sent before tracking
// stopped) and sets the original settings back; then disarms. Does nothing when not armed.
// Async-signal-safe.
void RestoreTerminal();

}  // namespace gridlet
