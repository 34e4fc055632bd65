#include "platform/tty_backend.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <future>

#include "platform/cell_picture.h"
#include "platform/clock.h"
#include "platform/console.h"
#include "platform/input_description.h"
#include "platform/input_events.h"
#include "platform/pty_fixture.h"
#include "platform/terminal_restore.h"
#include "support/white_cell_picture.h"

namespace gridlet {
namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

std::vector<Cell> Blank() {
    return std::vector<Cell>(kScreenWidth * kScreenHeight);
}

std::string Code(const std::optional<InputEvent>& event) {
    return event ? Describe(*event) : "(none)";
}

std::string Code(const InputEvent& event) {
    return Describe(event);
}

// The pointer's cell of a mouse event; none for anything else.
MouseInput Mouse(const std::optional<InputEvent>& event) {
    const MouseInput* mouse = event ? std::get_if<MouseInput>(&*event) : nullptr;
    return mouse ? *mouse : MouseInput{};
}

TEST(TtyBackend, TakesTheTerminalAndGivesItBackAsItWas) {
    Pty pty(90, 46);
    {
        TtyBackend backend(pty.slave, pty.slave);
        const termios raw = pty.Mode();
        EXPECT_EQ(raw.c_lflag & (ECHO | ICANON | ISIG), 0u)
            << "no echo, no line editing, no signal keys";
        EXPECT_TRUE(pty.WaitForOutput(kInputModesOnBytes));
        EXPECT_TRUE(pty.WaitForOutput("\x1b[?1049h"));
        EXPECT_EQ(pty.Output().find("\x1b[8;"), std::string::npos) << "the size is right already";
    }
    EXPECT_TRUE(pty.WaitForOutput(kRestoreAndLeaveBytes));
    EXPECT_TRUE(pty.ModeRestored());
}

TEST(TtyBackend, AsksForTheScreenSizeAndAsksForTheOldOneBack) {
    Pty pty(120, 50);
    { TtyBackend backend(pty.slave, pty.slave); }
    EXPECT_TRUE(pty.WaitForOutput("\x1b[8;46;90t"));
    EXPECT_TRUE(pty.WaitForOutput("\x1b[8;50;120t", pty.Output().find("\x1b[8;46;90t")));
}

TEST(TtyBackend, RefusesInputOrOutputThatIsNoTerminalAndWritesNothing) {
    Pty pty(90, 46);
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    EXPECT_THROW(TtyBackend(fds[0], fds[1]), std::runtime_error);
    EXPECT_THROW(TtyBackend(pty.slave, fds[1]), std::runtime_error);
    EXPECT_THROW(TtyBackend(fds[0], pty.slave), std::runtime_error);
    close(fds[1]);
    char byte = 0;
    EXPECT_EQ(read(fds[0], &byte, 1), 0) << "something was written";
    close(fds[0]);
    EXPECT_EQ(pty.OutputSize(), 0u);
    EXPECT_TRUE(pty.ModeRestored());
}

TEST(TtyBackend, PresentPaintsTheScreenThenOnlyItsChanges) {
    Pty pty(90, 46);
    TtyBackend backend(pty.slave, pty.slave);
    std::vector<Cell> cells = Blank();
    cells[0] = Cell{'G', 0x1E};
    cells.back() = Cell{'E', 0x07};
    backend.Present(ScreenState{cells, 1, 1, false});
    ASSERT_TRUE(pty.WaitForOutput("\x1b[2J"));
    ASSERT_TRUE(pty.WaitForOutput("G"));
    ASSERT_TRUE(pty.WaitForOutput("E"));

    const std::size_t before = pty.OutputSize();
    cells[kScreenWidth * 2 + 4] = Cell{'x', 0x07};
    backend.Present(ScreenState{cells, 1, 1, false});
    ASSERT_TRUE(pty.WaitForOutput("x", before));
    EXPECT_EQ(pty.Output().substr(before), "\x1b[3;5Hx");

    const std::size_t unchanged = pty.OutputSize();
    backend.Present(ScreenState{cells, 1, 1, false, 0});
    backend.Present(ScreenState{cells, 1, 1, false});
    EXPECT_FALSE(pty.WaitForOutput("\x1b", unchanged, 50)) << "an unchanged flush writes nothing";
}

// For each sequence beginning with `intro` written since `from`: the cursor move before it, and
// with `withSequence` the sequence too, up to its string terminator.
std::vector<std::string> MovesBefore(const std::string& output, std::size_t from,
                                     std::string_view intro, bool withSequence) {
    std::vector<std::string> found;
    for (std::size_t at = output.find(intro, from); at != std::string::npos;
         at = output.find(intro, at + 1)) {
        const std::size_t move = output.rfind("\x1b[", at - 1);
        const std::size_t end = withSequence ? output.find("\x1b\\", at) : at;
        found.push_back(output.substr(move, end - move));
    }
    return found;
}

// Sixels go into the cells that show the picture: at first all of them, then only a cell whose
// pixels changed, and a cell given back by what was drawn over it.
TEST(TtyBackend, SixelsAreWrittenOnlyForCellsThatNeedThem) {
    Pty pty(90, 46);
    TtyBackend backend(pty.slave, pty.slave);
    RealClock clock;
    TerminalCapabilities sixels;
    sixels.sixel = true;
    Console console(backend, clock, sixels);
    CellPicture picture = WhiteCellPicture();
    console.ShowCellPicture(picture);
    console.SetPictureBase();
    console.Flush();
    ASSERT_TRUE(pty.WaitForOutput("\x1b[3;11H\x1bP"));
    // The cell each sixel image written since `from` starts at.
    const auto sixelsSince = [&pty](std::size_t from) {
        return MovesBefore(pty.Output(), from, "\x1bP", false);
    };
    EXPECT_EQ(sixelsSince(0), (std::vector<std::string>{"\x1b[2;11H", "\x1b[3;11H"}))
        << "a run of cells a row";

    const std::size_t before = pty.OutputSize();
    picture.rgb[(5 * 12 + 6) * 3] = 0;  // a pixel of the cell at row 3, column 12
    console.ShowCellPicture(picture);
    console.Flush();
    ASSERT_TRUE(pty.WaitForOutput("\x1b\\", before));
    EXPECT_EQ(sixelsSince(before), std::vector<std::string>{"\x1b[3;12H"});

    const std::size_t drawn = pty.OutputSize();
    console.WriteBlock({2, 13, 2, 13}, {Cell{'x', 0x07}});
    console.Flush();
    ASSERT_TRUE(pty.WaitForOutput("x", drawn));
    EXPECT_TRUE(sixelsSince(drawn).empty()) << "the text shows over the picture";
    const std::size_t covered = pty.OutputSize();
    console.WriteBlock({2, 13, 2, 13}, {Cell{}});
    console.Flush();
    ASSERT_TRUE(pty.WaitForOutput("\x1b\\", covered));
    EXPECT_EQ(sixelsSince(covered), std::vector<std::string>{"\x1b[2;13H"});
}

// Sixels are as large as the terminal's cells: as it answered when its size in pixels is not
// known, and drawn again at the new size when a resize changes it.
TEST(TtyBackend, SixelsFollowTheCellSize) {
    Pty pty(90, 46);
    TtyBackend backend(pty.slave, pty.slave);
    backend.SetAnsweredCellSize({9, 18});
    RealClock clock;
    TerminalCapabilities sixels;
    sixels.sixel = true;
    Console console(backend, clock, sixels);
    CellPicture picture;
    picture.cells = {2, 11, 2, 13};
    picture.xEdges = {0, 4, 8, 12};
    picture.yEdges = {0, 4};
    picture.width = 12;
    picture.height = 4;
    picture.rgb.assign(12 * 4 * 3, 0xFF);
    console.ShowCellPicture(picture);
    console.SetPictureBase();
    console.Flush();
    ASSERT_TRUE(pty.WaitForOutput("\"1;1;27;18")) << "three cells of 9 x 18 pixels";

    auto input = std::async(std::launch::async, [&] { return backend.NextInput(-1); });
    const std::size_t mark = pty.OutputSize();
    pty.Resize(90, 46, 90 * 12, 46 * 22);
    raise(SIGWINCH);
    EXPECT_TRUE(pty.WaitForOutput("\"1;1;36;22", mark)) << "cells of 12 x 22 pixels now";
    pty.Send("k");
    ASSERT_EQ(input.wait_for(std::chrono::seconds(5)), std::future_status::ready);
}

// The kitty image goes to the terminal once and lies, under the text, only beneath the cells that
// show it: a cell drawn over keeps its own colours, and the picture comes back under it when the
// cell does, all without sending the pixels again.
TEST(TtyBackend, TheKittyImageLiesOnlyUnderTheCellsThatShowIt) {
    Pty pty(90, 46);
    TtyBackend backend(pty.slave, pty.slave);
    backend.SetAnsweredCellSize({4, 4});
    RealClock clock;
    TerminalCapabilities kitty;
    kitty.kittyGraphics = true;
    Console console(backend, clock, kitty);
    CellPicture picture = WhiteCellPicture();
    console.ShowCellPicture(picture);
    console.SetPictureBase();
    console.Flush();
    ASSERT_TRUE(pty.WaitForOutput("\x1b[3;11H\x1b_Ga=p"));
    // The placements written since `from`: where each is, its part of the image and its layer.
    const auto placementsSince = [&pty](std::size_t from) {
        return MovesBefore(pty.Output(), from, "\x1b_Ga=p,", true);
    };
    EXPECT_EQ(pty.Output().find("a=T"), std::string::npos) << "no placement with the pixels";
    ASSERT_NE(pty.Output().find("\x1b_Ga=t,"), std::string::npos) << "the pixels alone";
    // Negative: under the text.
    EXPECT_EQ(placementsSince(0),
              (std::vector<std::string>{
                  "\x1b[2;11H\x1b_Ga=p,i=7301,p=1,x=0,y=0,w=12,h=4,c=3,r=1,C=1,z=-1,q=2",
                  "\x1b[3;11H\x1b_Ga=p,i=7301,p=4,x=0,y=4,w=12,h=4,c=3,r=1,C=1,z=-1,q=2"}));

    const std::size_t before = pty.OutputSize();
    console.WriteBlock({3, 12, 3, 12}, {Cell{'x', 0x4F}});
    console.Flush();
    ASSERT_TRUE(pty.WaitForOutput("\x1b[3;13H\x1b_Ga=p", before));
    EXPECT_NE(pty.Output().find("\x1b_Ga=d,d=i,i=7301,p=4,q=2\x1b\\", before), std::string::npos)
        << "the row's placement goes";
    EXPECT_EQ(placementsSince(before),
              (std::vector<std::string>{
                  "\x1b[3;11H\x1b_Ga=p,i=7301,p=4,x=0,y=4,w=4,h=4,c=1,r=1,C=1,z=-1,q=2",
                  "\x1b[3;13H\x1b_Ga=p,i=7301,p=6,x=8,y=4,w=4,h=4,c=1,r=1,C=1,z=-1,q=2"}));
    EXPECT_EQ(pty.Output().find("\x1b_Ga=t", before), std::string::npos) << "pixels sent again";

    const std::size_t drawn = pty.OutputSize();
    console.WriteBlock({3, 12, 3, 12}, {Cell{}});
    console.Flush();
    ASSERT_TRUE(pty.WaitForOutput("p=6,q=2\x1b\\", drawn));
    EXPECT_EQ(placementsSince(drawn),
              std::vector<std::string>{
                  "\x1b[3;11H\x1b_Ga=p,i=7301,p=4,x=0,y=4,w=12,h=4,c=3,r=1,C=1,z=-1,q=2"});
}

TEST(TtyBackend, TitleBellAndControlStringsGoOutAsTheyAre) {
    Pty pty(90, 46);
    TtyBackend backend(pty.slave, pty.slave);
    backend.SetTitle("   Gridlet Beta 05 for PBwin9   ");
    backend.Beep();
    backend.SendControl("\x1b]52;c;QQ==\a");
    EXPECT_TRUE(pty.WaitForOutput("\x1b]0;   Gridlet Beta 05 for PBwin9   \a\a\x1b]52;c;QQ==\a"));
}

TEST(TtyBackend, DeliversKeysAndMouseReportsOnTheScreen) {
    Pty pty(100, 50);
    TtyBackend backend(pty.slave, pty.slave);
    pty.Send("\x1b[<0;5;3M\x1b[<35;95;3M\x1b[<35;5;48M\x03\x1bOP");
    EXPECT_EQ(Code(backend.NextInput(1000)), Code(PressEvent(3, 5)));
    const auto released = backend.NextInput(1000);  // reports off the 90 x 46 screen are dropped
    EXPECT_EQ(Code(released), "\x03") << "Ctrl+C is a key";
    EXPECT_EQ(Code(backend.NextInput(1000)), Code(ExtendedKeyEvent(kScanF1)));
}

TEST(TtyBackend, ReportsThePointerCellOfMouseEvents) {
    Pty pty(90, 46);
    TtyBackend backend(pty.slave, pty.slave);
    pty.Send("\x1b[<35;90;46M");
    const auto event = backend.NextInput(1000);
    ASSERT_TRUE(event);
    EXPECT_EQ(Code(event), Code(MoveEvent(46, 90)));
    EXPECT_EQ(Mouse(event).row, 46);
    EXPECT_EQ(Mouse(event).col, 90);
}

// A fast pointer over a slow link: the reports pile up faster than the program acts on them. A
// thousand of them fit in what a pty holds, so all are waiting before the first is read.
TEST(TtyBackend, ABurstOfMotionIsDeliveredAtItsLatestMove) {
    Pty pty(90, 46);
    TtyBackend backend(pty.slave, pty.slave);
    constexpr int kReports = 1000;
    std::string burst;
    for (int i = 0; i < kReports; ++i) {
        burst += "\x1b[<35;" + std::to_string(1 + i % 9) + ";" + std::to_string(1 + i % 7) + "M";
    }
    pty.Send(burst + "\x1b[<0;3;4M");

    const auto move = backend.NextInput(1000);
    ASSERT_TRUE(move);
    EXPECT_EQ(Code(move), Code(MoveEvent(1 + (kReports - 1) % 7, 1 + (kReports - 1) % 9)));
    EXPECT_EQ(Mouse(move).row, 1 + (kReports - 1) % 7);
    EXPECT_EQ(Mouse(move).col, 1 + (kReports - 1) % 9);
    EXPECT_EQ(Code(backend.NextInput(1000)), Code(PressEvent(4, 3))) << "one move, then the press";
}

TEST(TtyBackend, WaitsNoLongerThanItsTimeout) {
    Pty pty(90, 46);
    TtyBackend backend(pty.slave, pty.slave);
    const auto start = steady_clock::now();
    EXPECT_FALSE(backend.NextInput(40));
    EXPECT_GE(steady_clock::now() - start, milliseconds(40));
    EXPECT_FALSE(backend.NextInput(0));
}

TEST(TtyBackend, ALoneEscIsTheEscKeyAfterAShortQuietTime) {
    Pty pty(90, 46);
    TtyBackend backend(pty.slave, pty.slave);
    const auto sent = steady_clock::now();
    pty.Send("\x1b");
    EXPECT_FALSE(backend.NextInput(0)) << "too early to tell Esc from a sequence";
    EXPECT_EQ(Code(backend.NextInput(2000)), "\x1b");
    EXPECT_GE(steady_clock::now() - sent, milliseconds(20));

    pty.Send("\x1b[A");
    EXPECT_EQ(Code(backend.NextInput(2000)), Code(ExtendedKeyEvent(kScanUp)));
    EXPECT_FALSE(backend.NextInput(60)) << "no Esc left over from the sequence";
}

TEST(TtyBackend, ATooSmallTerminalShowsTheNoticeUntilItIsLargeEnough) {
    Pty pty(90, 46);
    TtyBackend backend(pty.slave, pty.slave);
    std::vector<Cell> cells = Blank();
    cells[0] = Cell{'Q', 0x07};
    backend.Present(ScreenState{cells, 1, 1, false});
    ASSERT_TRUE(pty.WaitForOutput("Q"));

    auto input = std::async(std::launch::async, [&] { return backend.NextInput(-1); });
    std::size_t mark = pty.OutputSize();
    pty.Resize(80, 24);
    raise(SIGWINCH);  // the pty is not this process's terminal, so the kernel does not send it
    ASSERT_TRUE(pty.WaitForOutput("90 x 46", mark));
    ASSERT_TRUE(pty.WaitForOutput("This one has 80 x 24.", mark));

    pty.Send("z");  // typed at the notice: dropped
    ASSERT_TRUE(pty.WaitUntilInputTaken());

    mark = pty.OutputSize();
    pty.Resize(95, 50);
    raise(SIGWINCH);
    ASSERT_TRUE(pty.WaitForOutput("Q", mark)) << "the whole screen is painted again";
    EXPECT_NE(pty.Output().find("\x1b[2J", mark), std::string::npos);

    pty.Send("k");
    ASSERT_EQ(input.wait_for(std::chrono::seconds(5)), std::future_status::ready);
    EXPECT_EQ(Code(input.get()), "k");
}

TEST(TtyBackend, QOrCtrlCAtTheSizeNoticeEndsTheProgramWithTheTerminalRestored) {
    for (const char* key : {"q", "\x03"}) {
        SCOPED_TRACE(key[0] == 'q' ? "q" : "Ctrl+C");
        Pty pty(60, 20);
        ChildProgram program([&pty] {
            TtyBackend backend(pty.slave, pty.slave);
            try {
                backend.Present(ScreenState{Blank(), 1, 1, false});
            } catch (const SessionEnd& end) {
                const bool says = end.message ==
                                  "the terminal has 60 x 20 characters, 90 x 46 "
                                  "are needed";
                _exit(end.signal == 0 && says ? end.exitStatus : 3);
            }
            _exit(0);  // not reached while the terminal is too small
        });
        ASSERT_TRUE(pty.WaitForOutput("q or Ctrl+C quits"));
        pty.Send("x");
        pty.Send(key);
        const auto status = program.WaitForEnd(pty);
        ASSERT_TRUE(status) << "the program did not end";
        EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 1) << *status;
        EXPECT_TRUE(pty.WaitForOutput(kRestoreBytes, pty.Output().find("quits")));
        EXPECT_TRUE(pty.ModeRestored());
    }
}

// A wait that fails is an error for the error trap; one that fails again before any wait has
// worked would fail for ever, so it ends the session with the terminal given back. A file limit
// below the four descriptors of a wait makes poll fail.
TEST(TtyBackend, AWaitThatKeepsFailingEndsTheSession) {
    Pty pty(90, 46);
    ChildProgram program([&pty] {
        TtyBackend backend(pty.slave, pty.slave);
        rlimit files{};
        getrlimit(RLIMIT_NOFILE, &files);
        const rlim_t usual = files.rlim_cur;
        auto limitFiles = [&files](rlim_t limit) {
            files.rlim_cur = limit;
            setrlimit(RLIMIT_NOFILE, &files);
        };
        // The limit goes back before an error is looked at: the sanitizers' checks open files.
        auto failsAsAnError = [&backend, &limitFiles, usual] {
            limitFiles(3);
            try {
                backend.NextInput(0);
            } catch (const std::runtime_error& error) {
                limitFiles(usual);
                return std::string(error.what()).starts_with("waiting for terminal input failed");
            }
            limitFiles(usual);
            return false;
        };
        if (!failsAsAnError()) _exit(60);
        backend.NextInput(0);
        if (!failsAsAnError()) _exit(61);  // the wait between cleared the first failure
        limitFiles(3);
        try {
            backend.NextInput(0);
        } catch (const SessionEnd& end) {
            limitFiles(usual);
            const bool says = end.message.starts_with("waiting for terminal input failed: ");
            _exit(end.signal == 0 && end.exitStatus == 1 && says ? 50 : 62);
        }
        _exit(63);
    });
    const auto status = program.WaitForEnd(pty);
    ASSERT_TRUE(status) << "the program did not end";
    EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 50) << *status;
    EXPECT_TRUE(pty.WaitForOutput(kRestoreAndLeaveBytes));
    EXPECT_TRUE(pty.ModeRestored());
}

// The size notice covers the row that would show the failure, so there one failure ends it.
TEST(TtyBackend, AWaitAtTheSizeNoticeThatFailsEndsTheSession) {
    Pty pty(60, 20);
    ChildProgram program([&pty] {
        TtyBackend backend(pty.slave, pty.slave);
        rlimit files{};
        getrlimit(RLIMIT_NOFILE, &files);
        files.rlim_cur = 3;
        setrlimit(RLIMIT_NOFILE, &files);
        try {
            backend.Present(ScreenState{Blank(), 1, 1, false});
        } catch (const SessionEnd& end) {
            const bool says = end.message.starts_with("waiting for terminal input failed: ");
            _exit(end.signal == 0 && end.exitStatus == 1 && says ? 50 : 60);
        }
        _exit(61);
    });
    const auto status = program.WaitForEnd(pty);
    ASSERT_TRUE(status) << "the program did not end";
    EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 50) << *status;
    EXPECT_TRUE(pty.WaitForOutput(kRestoreBytes, pty.Output().find("quits")));
    EXPECT_TRUE(pty.ModeRestored());
}

TEST(TtyBackend, PresentOnATooSmallTerminalWaitsForRoom) {
    Pty pty(60, 20);
    TtyBackend backend(pty.slave, pty.slave);
    std::vector<Cell> cells = Blank();
    cells[5] = Cell{'W', 0x07};
    auto present = std::async(std::launch::async, [&] {
        backend.Present(ScreenState{cells, 1, 1, false});
    });
    ASSERT_TRUE(pty.WaitForOutput("This one has 60 x 20."));
    EXPECT_EQ(present.wait_for(milliseconds(50)), std::future_status::timeout);
    pty.Resize(90, 46);
    raise(SIGWINCH);
    ASSERT_EQ(present.wait_for(std::chrono::seconds(5)), std::future_status::ready);
    EXPECT_TRUE(pty.WaitForOutput("W", pty.Output().find("60 x 20")));
}

TEST(TtyBackend, SuspendGivesTheTerminalBackAndResumeRepaintsEverything) {
    Pty pty(90, 46);
    TtyBackend backend(pty.slave, pty.slave);
    std::vector<Cell> cells = Blank();
    cells[0] = Cell{'S', 0x07};
    backend.Present(ScreenState{cells, 1, 1, false});
    ASSERT_TRUE(pty.WaitForOutput("S"));

    backend.SetTitle("Gridlet - a.GDL");
    backend.Suspend();
    EXPECT_TRUE(pty.ModeRestored());
    ASSERT_TRUE(pty.WaitForOutput(kRestoreBytes));
    EXPECT_TRUE(pty.WaitForOutput("\x1b[23;0t")) << "the terminal's own title back";

    const std::size_t mark = pty.OutputSize();
    backend.Resume();
    EXPECT_EQ(pty.Mode().c_lflag & (ECHO | ICANON), 0u);
    EXPECT_TRUE(pty.WaitForOutput(kInputModesOnBytes, mark));
    EXPECT_TRUE(pty.WaitForOutput("\x1b[22;0t\x1b]0;Gridlet - a.GDL\a", mark))
        << "the terminal's title kept, and the program's set again";
    EXPECT_TRUE(pty.WaitForOutput("S", mark));
}

// Taking the terminal back after another program had it never throws, since it happens in a
// guard: a request to stop that came meanwhile, or a terminal left too small that the user quits
// at, ends the session at the next wait or present, the usual way.
TEST(TtyBackend, WhatEndsTheSessionWhileTheTerminalIsLentEndsItAfterwards) {
    const struct {
        const char* name;
        void (*duringRun)(Pty&);
        int signal;
        int exitStatus;
    } cases[] = {
        {"a request to stop", [](Pty&) { raise(SIGTERM); }, SIGTERM, 128 + SIGTERM},
        {"quit at the size notice", [](Pty& pty) { pty.Resize(60, 20); }, 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Pty pty(90, 46);
        const pid_t pid = fork();
        if (pid == 0) {
            TtyBackend backend(pty.slave, pty.slave);
            RealClock clock;
            Console console(backend, clock);
            console.Flush();
            try {
                console.LendTerminal([&] { c.duringRun(pty); });
                console.ReadEvent();
            } catch (const SessionEnd& end) {
                RestoreTerminal();
                _exit(end.signal == c.signal && end.exitStatus == c.exitStatus ? 50 : 51);
            }
            _exit(52);
        }
        if (c.signal == 0) {
            ASSERT_TRUE(pty.WaitForOutput("q or Ctrl+C quits"));
            pty.Send("q");
        }
        int status = 0;
        bool ended = false;
        for (int i = 0; i < 500 && !ended; ++i) {
            pty.Output();
            ended = waitpid(pid, &status, WNOHANG) == pid;
            if (!ended) std::this_thread::sleep_for(milliseconds(10));
        }
        if (!ended) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
        }
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 50) << status;
        EXPECT_TRUE(pty.ModeRestored());
    }
}

}  // namespace
}  // namespace gridlet
