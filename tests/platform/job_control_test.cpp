#include "platform/job_control.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <csignal>
#include <memory>

#include "platform/console.h"
#include "platform/pty_fixture.h"
#include "platform/tty_backend.h"

namespace gridlet {
namespace {

// A program on the pty in a process group of its own (with a parent outside it, so a stop is not
// discarded) that sets a title, shows a screen of '#', tells screenUp, and waits for input for
// ever.
std::unique_ptr<ChildProgram> StartWaitingProgram(Pty& pty, const StepPipe& screenUp) {
    return std::make_unique<ChildProgram>([&pty, &screenUp] {
        setpgid(0, 0);
        TtyBackend backend(pty.slave, pty.slave);
        backend.SetTitle("Gridlet - a.GDL");
        PresentScreenOf(backend, '#');
        screenUp.Reached();
        for (;;) backend.NextInput(-1);
    });
}

bool StoppedBySuspend(const std::optional<int>& status) {
    return status && WIFSTOPPED(*status) && WSTOPSIG(*status) == SIGTSTP;
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
        const StepPipe screenUp;
        const auto program = StartWaitingProgram(pty, screenUp);
        ASSERT_TRUE(screenUp.WaitForStep());
        ASSERT_TRUE(pty.WaitForOutput(kInputModesOnBytes));

        const std::size_t beforeStop = pty.OutputSize();
        c.stop(pty, program->Pid());
        EXPECT_TRUE(StoppedBySuspend(program->WaitForStop(pty))) << "the program did not stop";
        EXPECT_TRUE(pty.WaitForOutput(kRestoreAndLeaveBytes, beforeStop))
            << "mouse tracking and screen left on";
        EXPECT_TRUE(pty.ModeRestored());

        const std::size_t beforeContinue = pty.OutputSize();
        kill(program->Pid(), SIGCONT);
        EXPECT_TRUE(pty.WaitForOutput(kInputModesOnBytes, beforeContinue));
        EXPECT_TRUE(pty.WaitForOutput("\x1b[2J", beforeContinue));
        EXPECT_TRUE(pty.WaitForOutput(std::string(kScreenWidth, '#'), beforeContinue))
            << "the whole screen is painted again";
        EXPECT_TRUE(pty.WaitForOutput("\x1b]0;Gridlet - a.GDL\a", beforeContinue))
            << "the title set again";
        EXPECT_EQ(pty.Mode().c_lflag & (ECHO | ICANON), 0u) << "raw mode again";
    }
}

// At the notice of a terminal too small the suspend key stops the program too; the notice is
// shown again after the continue.
TEST(JobControl, CtrlZAtTheSizeNoticeStopsAndTheNoticeComesBack) {
    Pty pty(60, 20);
    const StepPipe screenUp;  // not reached: the notice waits for a larger terminal
    const auto program = StartWaitingProgram(pty, screenUp);
    ASSERT_TRUE(pty.WaitForOutput("This one has 60 x 20."));

    const std::size_t beforeStop = pty.OutputSize();
    pty.Send("\x1a");
    EXPECT_TRUE(StoppedBySuspend(program->WaitForStop(pty))) << "the program did not stop";
    EXPECT_TRUE(pty.WaitForOutput(kRestoreAndLeaveBytes, beforeStop));

    const std::size_t beforeContinue = pty.OutputSize();
    kill(program->Pid(), SIGCONT);
    EXPECT_TRUE(pty.WaitForOutput("This one has 60 x 20.", beforeContinue));
}

}  // namespace
}  // namespace gridlet
