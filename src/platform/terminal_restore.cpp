#include "platform/terminal_restore.h"

#include <poll.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace gridlet {
namespace {

constexpr std::array<int, 8> kEndingSignals = {SIGTERM, SIGHUP,  SIGINT, SIGQUIT,
                                               SIGSEGV, SIGABRT, SIGBUS, SIGFPE};

// Everything the handlers need, ready before any signal can arrive.
struct RestoreState {
    volatile std::sig_atomic_t armed = 0;
    int inFd = -1;
    int outFd = -1;
    termios original{};
    std::array<char, 512> bytes{};
    std::size_t length = 0;
    std::array<struct sigaction, kEndingSignals.size()> previous{};
};

RestoreState state;

void WriteAll(int fd, const char* data, std::size_t length) {
    while (length > 0) {
        const ssize_t written = write(fd, data, length);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return;
        data += written;
        length -= static_cast<std::size_t>(written);
    }
}

// Reads and drops input until the terminal has been quiet for a moment, so reports already on
// their way when tracking stopped do not reach the shell.
void DiscardArrivingInput(int fd) {
    constexpr int kQuietMs = 50;
    constexpr int kMaxReads = 64;
    std::array<char, 1024> buffer{};
    pollfd input{fd, POLLIN, 0};
    for (int i = 0; i < kMaxReads && poll(&input, 1, kQuietMs) > 0; ++i) {
        if (read(fd, buffer.data(), buffer.size()) <= 0) return;
    }
}

void OnEndingSignal(int signal) {
    const int savedErrno = errno;
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
        sigemptyset(&action.sa_mask);
        sigaction(kEndingSignals[i], &action, nullptr);
    }
    std::atexit(RestoreTerminal);
}

}  // namespace

void ArmTerminalRestore(int inFd, int outFd, const termios& original,
                        std::string_view restoreBytes) {
    if (restoreBytes.size() > state.bytes.size()) throw std::length_error("restore bytes too long");
    static const bool installed = (InstallHandlers(), true);
    (void)installed;
    state.armed = 0;
    state.inFd = inFd;
    state.outFd = outFd;
    state.original = original;
    std::memcpy(state.bytes.data(), restoreBytes.data(), restoreBytes.size());
    state.length = restoreBytes.size();
    state.armed = 1;
}

void RestoreTerminal() {
    if (!state.armed) return;
    state.armed = 0;
    WriteAll(state.outFd, state.bytes.data(), state.length);
    DiscardArrivingInput(state.inFd);
    tcsetattr(state.inFd, TCSAFLUSH, &state.original);
}

}  // namespace gridlet
