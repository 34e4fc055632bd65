#include "platform/terminal_restore.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <stdexcept>

#include "platform/write_all.h"

namespace gridlet {
namespace {

// Signals that say the program itself went wrong, whose state is then not to be trusted with a
// file: the terminal is given back and the program ends at once. SIGPIPE too: a write to a
// terminal that has gone ends the program as its closing does.
constexpr std::array<int, 9> kFaultSignals = {SIGQUIT, SIGILL,  SIGTRAP, SIGABRT, SIGBUS,
                                              SIGFPE,  SIGSEGV, SIGPIPE, SIGSYS};

// Signals whose default action does not end the program, and those that cannot be caught.
constexpr std::array<int, 9> kNotEnding = {SIGKILL,  SIGSTOP, SIGCHLD, SIGCONT, SIGURG,
                                           SIGWINCH, SIGTSTP, SIGTTIN, SIGTTOU};

// How long the restore bytes may wait for a terminal that does not read.
constexpr int kRestoreWriteMs = 300;

bool IsFault(int signal) {
    return std::find(kFaultSignals.begin(), kFaultSignals.end(), signal) != kFaultSignals.end();
}

// The real-time signals below SIGRTMIN are the C library's own.
bool EndsByDefault(int signal) {
    if (signal > SIGSYS) return signal >= SIGRTMIN && signal <= SIGRTMAX;
    return std::find(kNotEnding.begin(), kNotEnding.end(), signal) == kNotEnding.end();
}

// Requests to end from outside: every ending signal but the faults.
bool IsStopSignal(int signal) {
    return EndsByDefault(signal) && !IsFault(signal);
}

// Everything the handlers need, ready before any signal can arrive.
struct RestoreState {
    volatile std::sig_atomic_t armed = 0;
    int inFd = -1;
    int outFd = -1;
    termios original{};
    termios program{};
    std::array<char, 512> restoreBytes{};
    std::size_t restoreLength = 0;
    std::array<char, 512> takeBytes{};
    std::size_t takeLength = 0;
    std::array<struct sigaction, NSIG> previous{};
    volatile std::sig_atomic_t stopWakeFd = -1;
    volatile std::sig_atomic_t pendingStop = 0;
};

RestoreState state;

std::int64_t MonotonicMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// Reads and drops input until the terminal has been quiet for a moment, so reports already on
// their way when tracking stopped (a release trailing its press over a slow link) do not reach
// the shell. A terminal that never falls quiet is left after a second.
void DiscardArrivingInput(int fd) {
    constexpr int kQuietMs = 150;
    constexpr std::int64_t kLongestMs = 1000;
    const std::int64_t until = MonotonicMs() + kLongestMs;
    std::array<char, 1024> buffer{};
    pollfd input{fd, POLLIN, 0};
    for (;;) {
        const auto left = until - MonotonicMs();
        if (left <= 0) return;
        const int ready = poll(&input, 1, static_cast<int>(std::min<std::int64_t>(kQuietMs, left)));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0 || read(fd, buffer.data(), buffer.size()) <= 0) return;
    }
}

// Nothing here waits for the output to drain: a terminal that stopped reading must not hold the
// program's end.
void GiveBack() {
    WriteAllWithin(state.outFd, state.restoreBytes.data(), state.restoreLength, kRestoreWriteMs);
    DiscardArrivingInput(state.inFd);
    tcflush(state.inFd, TCIFLUSH);
    tcsetattr(state.inFd, TCSANOW, &state.original);
}

// The first stop request while deferred is the main flow's to act on: it keeps the design, then
// gives the terminal back.
bool DeferStop(int signal) {
    if (!IsStopSignal(signal) || state.stopWakeFd < 0 || state.pendingStop != 0) return false;
    state.pendingStop = signal;
    const char byte = 's';
    [[maybe_unused]] const auto written = write(state.stopWakeFd, &byte, 1);
    return true;
}

void OnEndingSignal(int signal) {
    const int savedErrno = errno;
    if (DeferStop(signal)) {
        errno = savedErrno;
        return;
    }
    RestoreTerminal();
    sigaction(signal, &state.previous[static_cast<std::size_t>(signal)], nullptr);
    errno = savedErrno;
    raise(signal);  // delivered with the previous action once this handler returns
}

void InstallHandlers() {
    struct sigaction action {};
    action.sa_handler = OnEndingSignal;
    // A second stop request waits for the first one's handler, so it finds the first pending.
    action.sa_mask = StopSignals();
    for (int signal = 1; signal < NSIG; ++signal) {
        if (!EndsByDefault(signal)) continue;
        struct sigaction& previous = state.previous[static_cast<std::size_t>(signal)];
        sigaction(signal, nullptr, &previous);
        if (previous.sa_handler != SIG_IGN) sigaction(signal, &action, nullptr);
    }
    std::atexit(RestoreTerminal);
}

void InstallHandlersOnce() {
    static const bool installed = (InstallHandlers(), true);
    (void)installed;
}

}  // namespace

void ArmTerminalRestore(int inFd, int outFd, const TerminalModes& modes) {
    if (modes.restoreBytes.size() > state.restoreBytes.size() ||
        modes.takeBytes.size() > state.takeBytes.size()) {
        throw std::length_error("terminal control strings too long");
    }
    InstallHandlersOnce();
    state.armed = 0;
    state.inFd = inFd;
    state.outFd = outFd;
    state.original = modes.original;
    state.program = modes.program;
    std::memcpy(state.restoreBytes.data(), modes.restoreBytes.data(), modes.restoreBytes.size());
    state.restoreLength = modes.restoreBytes.size();
    std::memcpy(state.takeBytes.data(), modes.takeBytes.data(), modes.takeBytes.size());
    state.takeLength = modes.takeBytes.size();
    state.armed = 1;
}

void RestoreTerminal() {
    if (!state.armed) return;
    state.armed = 0;
    GiveBack();
}

void HandBackTerminal() {
    if (state.armed) GiveBack();
}

void TakeTerminalAgain() {
    if (!state.armed) return;
    tcsetattr(state.inFd, TCSANOW, &state.program);
    WriteAll(state.outFd, state.takeBytes.data(), state.takeLength);
}

void DeferStopSignals(int wakeFd) {
    InstallHandlersOnce();
    state.pendingStop = 0;
    state.stopWakeFd = wakeFd;
}

int PendingStop() {
    return state.pendingStop;
}

sigset_t StopSignals() {
    sigset_t stops;
    sigemptyset(&stops);
    for (int signal = 1; signal < NSIG; ++signal) {
        if (IsStopSignal(signal)) sigaddset(&stops, signal);
    }
    return stops;
}

}  // namespace gridlet
