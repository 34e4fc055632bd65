#include "platform/job_control.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <csignal>

#include "platform/console.h"
#include "platform/pty_fixture.h"
#include "platform/tty_backend.h"

namespace gridlet {
namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

// A program on the pty that shows a screen of '#' and waits for input for ever.
pid_t StartWaitingProgram(Pty& pty) {
    const pid_t pid = fork();
    if (pid == 0) {
        setpgid(0, 0);  // a group of its own with a parent outside it, so a stop is not discarded
        TtyBackend backend(pty.slave, pty.slave);
        PresentScreenOf(backend, '#');
        for (;;) backend.NextInput(-1);
    }
    return pid;
}

// Waits until the child stops, reading the pty meanwhile so its writes never block.
bool WaitUntilStopped(Pty& pty, pid_t pid) {
    const auto deadline = steady_clock::now() + std::chrono::seconds(5);
    while (steady_clock::now() < deadline) {
        pty.Output();
        int status = 0;
        if (waitpid(pid, &status, WNOHANG | WUNTRACED) == pid) {
            return WIFSTOPPED(status) && WSTOPSIG(status) == SIGTSTP;
        }
        std::this_thread::sleep_for(milliseconds(5));
    }
    return false;
}

// A stop from another process, and the suspend key typed at the program as vim and less take it.
struct StopCase {
    const char* name;
    void (*stop)(Pty& pty, pid_t pid);
};

TEST(JobControl, AStopHandsTheTerminalBackAndAContinueTakesItAndRepaints) {
    const StopCase cases[] = {
        {"SIGTSTP from another process", [](Pty&, pid_t pid) { kill(pid, SIGTSTP); }},
        {"Ctrl+Z typed", [](Pty& pty, pid_t) { pty.Send("\x1a"); }},
    };
    for (const StopCase& c : cases) {
        SCOPED_TRACE(c.name);
        Pty pty(90, 46);
        const pid_t pid = StartWaitingProgram(pty);
        ASSERT_GT(pid, 0);
        ASSERT_TRUE(pty.WaitForOutput("####"));
        ASSERT_TRUE(pty.WaitForOutput(kInputModesOnBytes));

        const std::size_t beforeStop = pty.OutputSize();
        c.stop(pty, pid);
        const bool stopped = WaitUntilStopped(pty, pid);
        EXPECT_TRUE(stopped) << "the program did not stop";
        EXPECT_TRUE(pty.WaitForOutput(kRestoreAndLeaveBytes, beforeStop))
            << "mouse tracking and screen left on";
        EXPECT_TRUE(pty.ModeRestored());

        const std::size_t beforeContinue = pty.OutputSize();
        kill(pid, SIGCONT);
        EXPECT_TRUE(pty.WaitForOutput(kInputModesOnBytes, beforeContinue));
        EXPECT_TRUE(pty.WaitForOutput("\x1b[2J", beforeContinue));
        EXPECT_TRUE(pty.WaitForOutput(std::string(kScreenWidth, '#'), beforeContinue))
            << "the whole screen is painted again";
        EXPECT_EQ(pty.Mode().c_lflag & (ECHO | ICANON), 0u) << "raw mode again";

        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
}

// At the notice of a terminal too small the suspend key stops the program too; the notice is
// shown again after the continue.
TEST(JobControl, CtrlZAtTheSizeNoticeStopsAndTheNoticeComesBack) {
    Pty pty(60, 20);
    const pid_t pid = StartWaitingProgram(pty);
    ASSERT_GT(pid, 0);
    ASSERT_TRUE(pty.WaitForOutput("This one has 60 x 20."));

    const std::size_t beforeStop = pty.OutputSize();
    pty.Send("\x1a");
    EXPECT_TRUE(WaitUntilStopped(pty, pid)) << "the program did not stop";
    EXPECT_TRUE(pty.WaitForOutput(kRestoreAndLeaveBytes, beforeStop));

    const std::size_t beforeContinue = pty.OutputSize();
    kill(pid, SIGCONT);
    EXPECT_TRUE(pty.WaitForOutput("This one has 60 x 20.", beforeContinue));

    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

}  // namespace
}  // namespace gridlet
