#include "platform/program_wait.h"

#include <poll.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>

#include "platform/session_end.h"
#include "platform/terminal_restore.h"

namespace gridlet {
namespace {

using std::chrono::nanoseconds;
using std::chrono::steady_clock;

// Without a descriptor for the program's end the wait looks again this often.
constexpr std::chrono::milliseconds kLookEvery{50};

void Reap(pid_t pid) {
    while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
}

timespec TimespecOf(nanoseconds span) {
    const auto count = std::max<nanoseconds::rep>(0, span.count());
    return {static_cast<time_t>(count / 1'000'000'000), static_cast<long>(count % 1'000'000'000)};
}

// What ended the wait: the program's status, the deadline (nothing, no stop) or a stop request.
struct WaitEnd {
    std::optional<int> status;
    int stop = 0;
};

// The stop signals get through only inside ppoll, so none comes between the look at PendingStop
// and the wait that it must end.
WaitEnd WaitForEnd(pid_t pid, int pidFd, ProgramDeadline deadline) {
    const sigset_t stops = StopSignals();
    sigset_t previous;
    pthread_sigmask(SIG_BLOCK, &stops, &previous);
    WaitEnd end;
    for (;;) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            end.status = status;
            break;
        }
        end.stop = PendingStop();
        if (end.stop != 0) break;
        std::optional<nanoseconds> left;
        if (deadline) {
            left = *deadline - steady_clock::now();
            if (left->count() <= 0) break;
        }
        if (pidFd < 0) left = left ? std::min<nanoseconds>(*left, kLookEvery) : kLookEvery;
        const timespec timeout = TimespecOf(left.value_or(nanoseconds(0)));
        pollfd ended{pidFd, POLLIN, 0};
        ppoll(&ended, pidFd < 0 ? 0 : 1, left ? &timeout : nullptr, &previous);
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    return end;
}

}  // namespace

std::optional<int> WaitForProgram(pid_t pid, bool ownGroup, ProgramDeadline deadline) {
    // The system call itself: the C library's header for it cannot be included from C++.
    const auto pidFd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    const WaitEnd end = WaitForEnd(pid, pidFd, deadline);
    if (pidFd >= 0) close(pidFd);
    if (end.status) return end.status;
    const pid_t target = ownGroup ? -pid : pid;
    if (end.stop == 0) {
        kill(target, SIGKILL);
        Reap(pid);
        return std::nullopt;
    }
    kill(target, ownGroup ? SIGKILL : end.stop);
    Reap(pid);
    throw SessionEnd{end.stop, 128 + end.stop, {}};
}

void EndIfStopPending() {
    const int stop = PendingStop();
    if (stop != 0) throw SessionEnd{stop, 128 + stop, {}};
}

}  // namespace gridlet
