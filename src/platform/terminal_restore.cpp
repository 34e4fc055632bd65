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

// SIGPIPE too: a write to a terminal that has gone ends the program as its closing does.
constexpr std::array<int, 9> kEndingSignals = {SIGTERM, SIGHUP,  SIGINT, SIGQUIT, SIGPIPE,
                                               SIGSEGV, SIGABRT, SIGBUS, SIGFPE};

// Requests to stop from outside; the main flow may act on them (DeferStopSignals).
constexpr std::array<int, 3> kStopSignals = {SIGTERM, SIGHUP, SIGINT};

bool IsStopSignal(int signal) {
    return std::find(kStopSignals.begin(), kStopSignals.end(), signal) != kStopSignals.end();
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
    std::array<struct sigaction, kEndingSignals.size()> previous{};
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

void GiveBack() {
    WriteAll(state.outFd, state.restoreBytes.data(), state.restoreLength);
    DiscardArrivingInput(state.inFd);
    tcsetattr(state.inFd, TCSAFLUSH, &state.original);
}

// The first stop request while deferred is the main flow's to act on; the terminal is given back
// at once all the same, since the main flow may be busy for a while.
bool DeferStop(int signal) {
    if (!IsStopSignal(signal) || state.stopWakeFd < 0 || state.pendingStop != 0) return false;
    state.pendingStop = signal;
    RestoreTerminal();
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
    for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
        if (kEndingSignals[i] == signal) sigaction(signal, &state.previous[i], nullptr);
    }
    errno = savedErrno;
    raise(signal);  // delivered with the previous action once this handler returns
}

void InstallHandlers() {
    for (std::size_t i = 0; i < kEndingSignals.size(); ++i) {
        sigaction(kEndingSignals[i], nullptr, &state.previous[i]);
        if (state.previous[i].sa_handler == SIG_IGN) continue;
        struct sigaction action {};
        action.sa_handler = OnEndingSignal;
        // A second stop request waits for the first one's handler, so it finds the first pending.
        sigemptyset(&action.sa_mask);
        for (const int stop : kStopSignals) sigaddset(&action.sa_mask, stop);
        sigaction(kEndingSignals[i], &action, nullptr);
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

}  // namespace gridlet
