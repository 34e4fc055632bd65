#include "platform/job_control.h"

#include <pthread.h>

#include <cerrno>

#include "platform/terminal_restore.h"

namespace gridlet {
namespace {

// Stops the program as the default action would, with the terminal handed back first. The stop
// happens when the signal is unblocked; the continue's own handler takes the terminal again. A
// stop the system discards (the program's process group is orphaned) is never followed by a
// continue, so the program sends itself one: taking the terminal twice does no harm.
void OnStop(int) {
    const int savedErrno = errno;
    HandBackTerminal();
    struct sigaction byDefault {};
    byDefault.sa_handler = SIG_DFL;
    sigemptyset(&byDefault.sa_mask);
    struct sigaction ours {};
    sigaction(SIGTSTP, &byDefault, &ours);
    raise(SIGTSTP);
    sigset_t stop;
    sigemptyset(&stop);
    sigaddset(&stop, SIGTSTP);
    sigset_t previous;
    pthread_sigmask(SIG_UNBLOCK, &stop, &previous);
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    sigaction(SIGTSTP, &ours, nullptr);
    raise(SIGCONT);
    errno = savedErrno;
}

}  // namespace

JobControl::JobControl() : continued_(SIGCONT, TakeTerminalAgain) {
    sigaction(SIGTSTP, nullptr, &previousStop_);
    if (previousStop_.sa_handler == SIG_IGN) return;  // started without job control: keep it so
    struct sigaction handler {};
    handler.sa_handler = OnStop;
    handler.sa_flags = SA_RESTART;
    sigemptyset(&handler.sa_mask);
    sigaction(SIGTSTP, &handler, nullptr);
}

void JobControl::StopAsTheSuspendKeyDoes() const {
    if (previousStop_.sa_handler == SIG_IGN) return;
    kill(0, SIGTSTP);
}

JobControl::~JobControl() {
    sigaction(SIGTSTP, &previousStop_, nullptr);
}

}  // namespace gridlet
