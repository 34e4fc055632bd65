#include "platform/processes.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdint>

#include "platform/program_wait.h"
#include "platform/terminal_restore.h"

extern char** environ;

namespace gridlet {
namespace {

using std::chrono::steady_clock;

std::vector<char*> ArgumentPointers(const std::vector<std::string>& argv) {
    std::vector<char*> pointers;
    for (const std::string& arg : argv) pointers.push_back(const_cast<char*>(arg.c_str()));
    pointers.push_back(nullptr);
    return pointers;
}

void WaitForEnd(pid_t pid) {
    while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
}

int MillisecondsUntil(const ProgramDeadline& deadline) {
    if (!deadline) return -1;
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(*deadline - steady_clock::now());
    return static_cast<int>(std::max<std::int64_t>(0, left.count()));
}

// Writes as much as the program reads before the deadline, without blocking and without the
// SIGPIPE a reader that is gone would send; true when all of it went. A request to stop this
// program ends the feeding.
bool Feed(int fd, std::string_view bytes, const ProgramDeadline& deadline) {
    sigset_t pipeSignal;
    sigset_t previous;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, &previous);
    while (!bytes.empty() && PendingStop() == 0) {
        pollfd output{fd, POLLOUT, 0};
        const int ready = poll(&output, 1, MillisecondsUntil(deadline));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0 || (output.revents & (POLLERR | POLLHUP)) != 0) break;
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (written <= 0) break;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    const timespec noWait{0, 0};
    while (sigtimedwait(&pipeSignal, nullptr, &noWait) > 0) {
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    return bytes.empty();
}

// While another program has the terminal, the keys that interrupt it must not end this one too.
class InterruptsIgnored {
  public:
    InterruptsIgnored() {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        sigaction(SIGINT, &ignore, &interrupt_);
        sigaction(SIGQUIT, &ignore, &quit_);
    }
    ~InterruptsIgnored() {
        sigaction(SIGINT, &interrupt_, nullptr);
        sigaction(SIGQUIT, &quit_, nullptr);
    }
    InterruptsIgnored(const InterruptsIgnored&) = delete;
    InterruptsIgnored& operator=(const InterruptsIgnored&) = delete;

  private:
    struct sigaction interrupt_ {};
    struct sigaction quit_ {};
};

// The descriptors of a program's standard input: a pipe when it is fed, else none.
struct InputPipe {
    int read = -1;
    int write = -1;
};

}  // namespace

bool ProgramEnd::Succeeded() const {
    return started && !timedOut && inputTaken && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

ProgramEnd RunAndWait(const std::vector<std::string>& argv, ProgramOutput output,
                      std::chrono::milliseconds limit, std::string_view input) {
    EndIfStopPending();
    if (argv.empty()) return {};
    std::vector<char*> args = ArgumentPointers(argv);
    const bool discarded = output == ProgramOutput::Discarded;
    InputPipe feed;
    if (discarded && !input.empty()) {
        std::array<int, 2> fds{};
        if (pipe2(fds.data(), O_CLOEXEC) != 0) return {};
        feed = {fds[0], fds[1]};
        fcntl(feed.write, F_SETFL, O_NONBLOCK);
    }

    // The program starts with every signal at its default and none blocked, whatever this one
    // has set up for itself.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t all;
    sigset_t none;
    sigfillset(&all);
    sigemptyset(&none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setsigmask(&attributes, &none);
    short flags = POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK;
    if (discarded) {
        posix_spawnattr_setpgroup(&attributes, 0);
        flags |= POSIX_SPAWN_SETPGROUP;
    }
    posix_spawnattr_setflags(&attributes, flags);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (discarded) {
        if (feed.read >= 0) {
            posix_spawn_file_actions_adddup2(&actions, feed.read, STDIN_FILENO);
        } else {
            posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        }
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    }

    const InterruptsIgnored ignored;
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, args[0], &actions, &attributes, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (feed.read >= 0) close(feed.read);
    ProgramDeadline deadline;
    if (limit >= std::chrono::milliseconds(0)) deadline = steady_clock::now() + limit;
    ProgramEnd end;
    end.started = spawned == 0;
    end.inputTaken = end.started && (feed.write < 0 || Feed(feed.write, input, deadline));
    if (feed.write >= 0) close(feed.write);
    if (!end.started) return end;
    const std::optional<int> status = WaitForProgram(pid, discarded, deadline);
    end.timedOut = !status;
    end.status = status.value_or(0);
    return end;
}

// Two forks: the program's parent ends at once, so the program belongs to no one here and leaves
// no zombie behind. Between fork and exec only async-signal-safe calls are made.
void StartDetached(const std::vector<std::string>& argv, const std::string& workingDirectory) {
    if (argv.empty()) return;
    std::vector<char*> args = ArgumentPointers(argv);
    const pid_t child = fork();
    if (child != 0) {
        if (child > 0) WaitForEnd(child);
        return;
    }
    sigset_t all;
    sigfillset(&all);
    sigprocmask(SIG_SETMASK, &all, nullptr);
    struct sigaction byDefault {};
    byDefault.sa_handler = SIG_DFL;
    for (int sig = 1; sig < NSIG; ++sig) sigaction(sig, &byDefault, nullptr);
    setsid();
    const int nullFd = open("/dev/null", O_RDWR);
    if (nullFd < 0 || chdir(workingDirectory.c_str()) != 0) _exit(127);
    dup2(nullFd, STDIN_FILENO);
    dup2(nullFd, STDOUT_FILENO);
    dup2(nullFd, STDERR_FILENO);
    close_range(3, ~0U, 0);
    if (fork() == 0) {
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        execv(args[0], args.data());
    }
    _exit(0);
}

}  // namespace gridlet
