#include "platform/terminal_restore.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <csignal>
#include <functional>
#include <new>

#include "platform/console.h"
#include "platform/pty_fixture.h"
#include "platform/tty_backend.h"

namespace gridlet {
namespace {

using std::chrono::milliseconds;

struct WayOut {
    const char* name;
    int signalFromOutside;                    // 0: the child ends by itself
    std::function<void(TtyBackend&)> action;  // what the child does once the screen is up
    int endingSignal;                         // 0: a normal exit with status 0
};

// Runs a child that takes the pty, shows a screen and leaves by the given way; gives its status.
int RunChild(Pty& pty, const WayOut& way) {
    int ready[2];
    if (pipe(ready) != 0) throw std::runtime_error("pipe");
    const pid_t pid = fork();
    if (pid == 0) {
        const rlimit noCore{0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
        // Kept out of any destructor's reach, so only the way out under test can restore.
        alignas(TtyBackend) static unsigned char storage[sizeof(TtyBackend)];
        auto* backend = new (storage) TtyBackend(pty.slave, pty.slave);
        const std::vector<Cell> cells(kScreenWidth * kScreenHeight, Cell{'#', 0x1F});
        backend->Present(ScreenState{cells, 1, 1, false});
        if (write(ready[1], "r", 1) != 1) _exit(90);
        way.action(*backend);
        _exit(91);  // never reached when the way out works
    }
    close(ready[1]);
    pollfd readiness{ready[0], POLLIN, 0};
    char byte = 0;
    const bool started = poll(&readiness, 1, 5000) > 0 && read(ready[0], &byte, 1) == 1;
    close(ready[0]);
    if (started) {
        pty.Send("\x1b[<35;10;10M\x1b[<35;11;10M");  // the pointer moves as the program ends
        std::this_thread::sleep_for(milliseconds(20));
        if (way.signalFromOutside != 0) kill(pid, way.signalFromOutside);
    }
    int status = 0;
    for (int i = 0; i < 500; ++i) {
        pty.Output();  // keeps the program's output flowing
        if (waitpid(pid, &status, WNOHANG) == pid) return status;
        std::this_thread::sleep_for(milliseconds(10));
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    ADD_FAILURE() << way.name << ": the program did not end";
    return status;
}

void WaitForever(TtyBackend&) {
    for (;;) pause();
}

TEST(TerminalRestore, EveryWayOutRestoresTheTerminalAndDrainsInput) {
    const WayOut ways[] = {
        {"SIGTERM", SIGTERM, WaitForever, SIGTERM},
        {"SIGHUP", SIGHUP, WaitForever, SIGHUP},
        {"SIGINT from another process", SIGINT, WaitForever, SIGINT},
        {"SIGPIPE", SIGPIPE, WaitForever, SIGPIPE},
        {"SIGSEGV", 0, [](TtyBackend&) { raise(SIGSEGV); }, SIGSEGV},
        {"SIGABRT", 0, [](TtyBackend&) { std::abort(); }, SIGABRT},
        {"uncaught exception", 0,
         [](TtyBackend&) { std::thread([] { throw std::runtime_error("uncaught"); }).join(); },
         SIGABRT},
        {"exit()", 0, [](TtyBackend&) { std::exit(0); }, 0},
        {"normal end", 0,
         [](TtyBackend& backend) {
             backend.~TtyBackend();
             _exit(0);
         },
         0},
    };
    for (const WayOut& way : ways) {
        SCOPED_TRACE(way.name);
        Pty pty(90, 46);
        const int status = RunChild(pty, way);
        if (way.endingSignal == 0) {
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        } else if (way.endingSignal == SIGSEGV && WIFEXITED(status)) {
            EXPECT_NE(WEXITSTATUS(status), 0) << "a sanitizer's own report ended it";
        } else {
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == way.endingSignal) << status;
        }
        EXPECT_TRUE(pty.WaitForOutput(kRestoreAndLeaveBytes, pty.Output().find('#')));
        EXPECT_TRUE(pty.ModeRestored());
        EXPECT_EQ(pty.PendingInput(), 0) << "mouse reports left for the shell";
    }
}

// Over a slow link the release of the last click can arrive well after tracking stopped.
TEST(TerminalRestore, AReportArrivingLateOnTheWayOutIsDrainedToo) {
    Pty pty(90, 46);
    const pid_t pid = fork();
    if (pid == 0) {
        {
            TtyBackend backend(pty.slave, pty.slave);
            const std::vector<Cell> cells(kScreenWidth * kScreenHeight, Cell{'#', 0x1F});
            backend.Present(ScreenState{cells, 1, 1, false});
        }
        _exit(0);
    }
    ASSERT_TRUE(pty.WaitForOutput(kRestoreAndLeaveBytes));
    std::this_thread::sleep_for(milliseconds(100));
    pty.Send("\x1b[<0;48;25m");
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    termios raw = pty.original;
    cfmakeraw(&raw);  // a line being edited becomes readable only outside line editing
    tcsetattr(pty.slave, TCSANOW, &raw);
    pollfd leftover{pty.slave, POLLIN, 0};
    EXPECT_EQ(poll(&leftover, 1, 200), 0) << "the release was left for the shell";
}

}  // namespace
}  // namespace gridlet
