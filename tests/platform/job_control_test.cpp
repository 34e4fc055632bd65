#include "platform/job_control.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <csignal>

#include "platform/console.h"
#include "platform/pty_fixture.h"
#include "platform/tty_backend.h"

namespace gridlet {
namespace {

TEST(JobControl, AStopHandsTheTerminalBackAndAContinueTakesItAndRepaints) {
    Pty pty(90, 46);
    // Shows a screen of '#' and waits for input for ever.
    const StepPipe screenUp;
    ChildProgram program([&pty, &screenUp] {
        setpgid(0, 0);  // a group of its own with a parent outside it, so a stop is not discarded
        TtyBackend backend(pty.slave, pty.slave);
        PresentScreenOf(backend, '#');
        screenUp.Reached();
        for (;;) backend.NextInput(-1);
    });
    const pid_t pid = program.Pid();
    ASSERT_TRUE(screenUp.WaitForStep());
    ASSERT_TRUE(pty.WaitForOutput(kInputModesOnBytes));

    const std::size_t beforeStop = pty.OutputSize();
    kill(pid, SIGTSTP);
    const auto stop = program.WaitForStop(pty);
    EXPECT_TRUE(stop && WIFSTOPPED(*stop) && WSTOPSIG(*stop) == SIGTSTP)
        << "the program did not stop";
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
}

}  // namespace
}  // namespace gridlet
