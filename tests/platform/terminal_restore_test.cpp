#include "platform/terminal_restore.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cerrno>
#include <csignal>
#include <functional>
#include <new>

#include "platform/console.h"
#include "platform/pty_fixture.h"
#include "platform/session_end.h"
#include "platform/tty_backend.h"

namespace gridlet {
namespace {

using std::chrono::milliseconds;

// The program's wait status; a program that does not end is reported.
int WaitForEnd(Pty& pty, ChildProgram& program) {
    const auto status = program.WaitForEnd(pty);
    if (!status) ADD_FAILURE() << "the program did not end";
    return status.value_or(0);
}

struct WayOut {
    const char* name;
    int signalFromOutside;                    // 0: the child ends by itself
    std::function<void(TtyBackend&)> action;  // what the child does once the screen is up
    int endingSignal;                         // 0: a normal exit with status 0
};

// Runs a child that takes the pty, shows a screen and leaves by the given way once the pointer has
// moved, so that reports wait to be read as it ends; gives its status.
int RunChild(Pty& pty, const WayOut& way) {
    const StepPipe steps;
    ChildProgram program([&] {
        const rlimit noCore{0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
        // Kept out of any destructor's reach, so only the way out under test can restore.
        alignas(TtyBackend) static unsigned char storage[sizeof(TtyBackend)];
        auto* backend = new (storage) TtyBackend(pty.slave, pty.slave);
        PresentScreenOf(*backend, '#');
        steps.Reached();
        pollfd moved{pty.slave, POLLIN, 0};
        while (poll(&moved, 1, kWaitMs) < 0 && errno == EINTR) continue;
        steps.Reached();
        way.action(*backend);
        _exit(91);  // never reached when the way out works
    });
    if (steps.WaitForStep()) {
        pty.Send("\x1b[<35;10;10M\x1b[<35;11;10M");
        if (steps.WaitForStep() && way.signalFromOutside != 0) {
            kill(program.Pid(), way.signalFromOutside);
        }
    }
    SCOPED_TRACE(way.name);
    return WaitForEnd(pty, program);
}

void WaitForever(TtyBackend&) {
    for (;;) pause();
}

// As the program does: a request to stop ends the wait for input, the terminal is given back once
// the design would be kept, and the program ends by the same signal.
void WaitForInputUntilStopped(TtyBackend& backend) {
    try {
        for (;;) backend.NextInput(-1);
    } catch (const SessionEnd& end) {
        RestoreTerminal();
        std::signal(end.signal, SIG_DFL);
        std::raise(end.signal);
    }
}

TEST(TerminalRestore, EveryWayOutRestoresTheTerminalAndDrainsInput) {
    const WayOut ways[] = {
        {"SIGTERM", SIGTERM, WaitForInputUntilStopped, SIGTERM},
        {"SIGHUP", SIGHUP, WaitForInputUntilStopped, SIGHUP},
        {"SIGINT from another process", SIGINT, WaitForInputUntilStopped, SIGINT},
        {"SIGUSR1", SIGUSR1, WaitForInputUntilStopped, SIGUSR1},
        {"SIGUSR2", SIGUSR2, WaitForInputUntilStopped, SIGUSR2},
        {"SIGALRM", SIGALRM, WaitForInputUntilStopped, SIGALRM},
        {"SIGXCPU", SIGXCPU, WaitForInputUntilStopped, SIGXCPU},
        {"SIGVTALRM", SIGVTALRM, WaitForInputUntilStopped, SIGVTALRM},
        {"SIGPROF", SIGPROF, WaitForInputUntilStopped, SIGPROF},
        {"a real-time signal", SIGRTMIN + 1, WaitForInputUntilStopped, SIGRTMIN + 1},
        {"SIGPIPE", SIGPIPE, WaitForever, SIGPIPE},
        {"SIGSYS", SIGSYS, WaitForever, SIGSYS},
        {"SIGTRAP", 0, [](TtyBackend&) { raise(SIGTRAP); }, SIGTRAP},
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

// A program that takes the pty, shows a screen and waits for input; what it does when asked to
// stop is the test's. Its screen is all there once the constructor returns.
struct StoppableProgram {
    template <typename OnStop>
    StoppableProgram(Pty& pty, OnStop onStop)
        : program([this, &pty, onStop] {
              close(pty.master);  // the terminal's side is the test's alone
              TtyBackend backend(pty.slave, pty.slave);
              PresentScreenOf(backend, '#');
              screenUp.Reached();
              try {
                  for (;;) backend.NextInput(-1);
              } catch (const SessionEnd& end) {
                  onStop(backend, end);
              }
              _exit(91);
          }) {
        EXPECT_TRUE(screenUp.WaitForStep()) << "the program did not show its screen";
    }

    StepPipe screenUp;
    ChildProgram program;
};

// A request to stop ends the wait for input; nothing shown after it reaches the terminal, which
// stays as it is while the program keeps the design and is given back after that.
TEST(TerminalRestore, AStopRequestEndsTheWaitForInputAndTheTerminalWaitsForTheDesign) {
    Pty pty(90, 46);
    StoppableProgram stoppable(pty, [&pty](TtyBackend& backend, const SessionEnd& end) {
        PresentScreenOf(backend, '@');
        const bool stillRaw = (pty.Mode().c_lflag & ICANON) == 0;
        RestoreTerminal();
        _exit(end.signal != SIGTERM ? 51 : stillRaw ? 50 : 52);
    });
    const std::size_t before = pty.OutputSize();
    kill(stoppable.program.Pid(), SIGTERM);
    const int status = WaitForEnd(pty, stoppable.program);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 50) << status;
    EXPECT_TRUE(pty.WaitForOutput(kRestoreAndLeaveBytes, before));
    EXPECT_TRUE(pty.ModeRestored());
    EXPECT_EQ(pty.Output().find('@', before), std::string::npos);
}

// A terminal that stops reading must not hold the program's end: the request is acted on at once,
// the design kept first, and the terminal given back without waiting for it to drain.
TEST(TerminalRestore, AStopRequestIsActedOnWhileTheTerminalReadsNothing) {
    Pty pty(90, 46);
    int progress[2];
    int kept[2];
    ASSERT_EQ(pipe(progress), 0);
    ASSERT_EQ(pipe(kept), 0);
    const pid_t pid = fork();
    if (pid == 0) {
        close(pty.master);
        TtyBackend backend(pty.slave, pty.slave);
        try {
            for (int i = 0;; ++i) {
                PresentScreenOf(backend, i % 2 == 0 ? '#' : '@');
                if (write(progress[1], "p", 1) != 1) _exit(90);
                backend.NextInput(0);
            }
        } catch (const SessionEnd& end) {
            if (write(kept[1], "k", 1) != 1) _exit(91);
            RestoreTerminal();
            std::signal(end.signal, SIG_DFL);
            std::raise(end.signal);
        }
        _exit(92);
    }
    close(progress[1]);
    close(kept[1]);
    // The screens stop going out once the terminal's buffer is full.
    pollfd painting{progress[0], POLLIN, 0};
    std::array<char, 256> drained{};
    bool stalled = false;
    for (int i = 0; i < 100 && !stalled; ++i) {
        stalled = poll(&painting, 1, 300) == 0;
        if (!stalled && read(progress[0], drained.data(), drained.size()) <= 0) break;
    }
    ASSERT_TRUE(stalled) << "the program never had to wait for the terminal";

    kill(pid, SIGTERM);
    pollfd keeping{kept[0], POLLIN, 0};
    EXPECT_EQ(poll(&keeping, 1, 2000), 1) << "the design was not kept while the terminal was full";
    int status = 0;
    for (int i = 0; i < 300 && waitpid(pid, &status, WNOHANG) != pid; ++i)
        std::this_thread::sleep_for(milliseconds(10));
    if (!WIFSIGNALED(status)) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        ADD_FAILURE() << "the program waited for the terminal to drain";
    }
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
    EXPECT_TRUE(pty.ModeRestored());
    close(progress[0]);
    close(kept[0]);
}

// While the program keeps the design, a second request must still end it.
TEST(TerminalRestore, ASecondStopRequestEndsTheProgramAtOnce) {
    Pty pty(90, 46);
    const StepPipe keeping;
    StoppableProgram stoppable(pty, [&keeping](TtyBackend&, const SessionEnd&) {
        keeping.Reached();
        for (;;) pause();  // a write that takes for ever
    });
    kill(stoppable.program.Pid(), SIGHUP);
    ASSERT_TRUE(keeping.WaitForStep());
    kill(stoppable.program.Pid(), SIGTERM);
    const int status = WaitForEnd(pty, stoppable.program);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
}

// A terminal that went away ends the session as a hang-up does, with no attempt to write to it.
TEST(TerminalRestore, ATerminalThatIsGoneEndsTheSessionAsAHangUp) {
    Pty pty(90, 46);
    StoppableProgram stoppable(
        pty, [](TtyBackend&, const SessionEnd& end) { _exit(end.signal == SIGHUP ? 50 : 51); });
    close(pty.master);
    pty.master = -1;
    const int status = WaitForEnd(pty, stoppable.program);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 50) << status;
}

// Over a slow link the release of the last click can arrive well after tracking stopped.
TEST(TerminalRestore, AReportArrivingLateOnTheWayOutIsDrainedToo) {
    Pty pty(90, 46);
    ChildProgram program([&pty] {
        {
            TtyBackend backend(pty.slave, pty.slave);
            PresentScreenOf(backend, '#');
        }
        _exit(0);
    });
    ASSERT_TRUE(pty.WaitForOutput(kRestoreAndLeaveBytes));
    std::this_thread::sleep_for(milliseconds(100));
    pty.Send("\x1b[<0;48;25m");
    const int status = WaitForEnd(pty, program);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    termios raw = pty.original;
    cfmakeraw(&raw);  // a line being edited becomes readable only outside line editing
    tcsetattr(pty.slave, TCSANOW, &raw);
    pollfd leftover{pty.slave, POLLIN, 0};
    EXPECT_EQ(poll(&leftover, 1, 200), 0) << "the release was left for the shell";
}

}  // namespace
}  // namespace gridlet
