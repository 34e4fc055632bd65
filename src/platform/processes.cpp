#include "platform/processes.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

extern char** environ;

namespace gridlet {
namespace {

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

}  // namespace

bool RunAndWait(const std::vector<std::string>& argv, ProgramOutput output) {
    if (argv.empty()) return false;
    std::vector<char*> args = ArgumentPointers(argv);

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
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (output == ProgramOutput::Discarded) {
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    }

    const InterruptsIgnored ignored;
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, args[0], &actions, &attributes, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (spawned != 0) return false;
    WaitForEnd(pid);
    return true;
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
