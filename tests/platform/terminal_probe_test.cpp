#include "platform/terminal_probe.h"

#include <gtest/gtest.h>

#include <future>

#include "platform/pty_fixture.h"

namespace gridlet {
namespace {

TEST(TerminalProbe, AnswersAreFoundAmongEachOther) {
    const ProbeAnswers all = ParseProbeAnswers(
        "typed\x1b_Gi=31;OK\x1b\\\x1b]52;c;QUJD\a\x1bP>|WezTerm 2024\x1b\\\x1b[?1;2$y"
        "\x1b[?64;1;2;4;6c");
    ASSERT_TRUE(all.deviceAttributes);
    EXPECT_EQ(*all.deviceAttributes, (std::vector<int>{64, 1, 2, 4, 6}));
    EXPECT_TRUE(all.clipboard);
    EXPECT_TRUE(all.kittyGraphics);
    EXPECT_EQ(all.version, "WezTerm 2024");

    const ProbeAnswers few = ParseProbeAnswers("\x1b_Gi=31;ENOTSUPPORTED\x1b\\\x1b[?6c");
    EXPECT_EQ(*few.deviceAttributes, std::vector<int>{6});
    EXPECT_FALSE(few.clipboard);
    EXPECT_FALSE(few.kittyGraphics);
    EXPECT_EQ(few.version, "");
    EXPECT_FALSE(ParseProbeAnswers("\x1b[?64;1").deviceAttributes) << "unfinished";
}

TEST(TerminalProbe, TheCellSizeIsTakenFromItsAnswer) {
    const struct {
        const char* answers;
        int width;
        int height;
    } cases[] = {
        {"\x1b[6;20;9t\x1b[?62c", 9, 20}, {"\x1b[4;460;810t\x1b[6;23;11t\x1b[?62c", 11, 23},
        {"\x1b[6;0;9t\x1b[?62c", 0, 0},   {"\x1b[6;20t\x1b[?62c", 0, 0},
        {"\x1b[6;20;9\x1b[?62c", 0, 0},   {"\x1b[?62c", 0, 0},
    };
    for (const auto& c : cases) {
        const ProbeAnswers answers = ParseProbeAnswers(c.answers);
        EXPECT_EQ(answers.cellWidth, c.width) << c.answers + 1;
        EXPECT_EQ(answers.cellHeight, c.height) << c.answers + 1;
        const TerminalCapabilities capabilities = DecideCapabilities({}, {}, answers);
        EXPECT_EQ(capabilities.cellWidth, c.width) << c.answers + 1;
    }
}

struct MouseCase {
    const char* term;
    bool described;
    bool mouseReports;
    const char* answers;
    bool mouse;
};

TEST(TerminalProbe, TheDatabaseAndTheDeviceAttributesDecideWhetherTheMouseWorks) {
    const MouseCase cases[] = {
        {"xterm-256color", true, true, "\x1b[?64;1;2c", true},
        {"xterm-256color", true, true, "", true},  // no answer: the benefit of the doubt
        {"screen", true, true, "\x1b[?1;2c", true},
        {"xterm-kitty", false, false, "\x1b[?62;c", true},  // missing from the database
        {"xterm", true, true, "\x1b[?6c", false},           // the Linux console, whatever TERM says
        {"linux", true, true, "", false},
        {"dumb", true, false, "", false},
        {"", false, false, "", false},
        {"vt100", true, false, "\x1b[?1;2c", false},  // its description has no mouse
    };
    for (const MouseCase& c : cases) {
        SCOPED_TRACE(std::string("TERM=") + c.term +
                     (*c.answers != 0 ? ", answering" : ", silent"));
        TerminalDescription description;
        description.found = c.described;
        description.mouseReports = c.mouseReports;
        const TerminalEnvironment environment{c.term, "", "", ""};
        const ProbeAnswers answers = ParseProbeAnswers(c.answers);
        const std::string refusal = MouseRefusal(environment, description, answers);
        EXPECT_EQ(refusal.empty(), c.mouse) << refusal;
        EXPECT_EQ(DecideCapabilities(environment, description, answers).mouse, c.mouse);
        if (!c.mouse) {
            EXPECT_NE(refusal.find("cannot report the mouse"), std::string::npos);
        }
    }
}

TEST(TerminalProbe, ColourAndGraphicsComeFromTheEnvironmentTheDatabaseAndTheAnswers) {
    TerminalDescription plain;
    plain.found = true;
    plain.mouseReports = true;
    TerminalDescription direct = plain;
    direct.directColour = true;
    const ProbeAnswers none;
    const ProbeAnswers sixel = ParseProbeAnswers("\x1b[?62;4;22c");
    const ProbeAnswers iterm = ParseProbeAnswers("\x1bP>|iTerm2 3.5\x1b\\\x1b[?62;22c");

    EXPECT_TRUE(DecideCapabilities({"xterm", "truecolor", "", ""}, plain, none).trueColour);
    EXPECT_TRUE(DecideCapabilities({"xterm", "24bit", "", ""}, plain, none).trueColour);
    EXPECT_TRUE(DecideCapabilities({"xterm", "", "", ""}, direct, none).trueColour);
    EXPECT_FALSE(DecideCapabilities({"xterm", "", "", ""}, plain, none).trueColour);
    TerminalDescription colours256 = plain;
    colours256.colours = 256;
    EXPECT_TRUE(DecideCapabilities({"xterm-256color", "", "", ""}, colours256, none).palette256);
    EXPECT_FALSE(DecideCapabilities({"xterm", "", "", ""}, plain, none).palette256);

    EXPECT_TRUE(DecideCapabilities({"xterm", "", "", ""}, plain, sixel).sixel);
    EXPECT_FALSE(
        DecideCapabilities({"xterm", "", "", ""}, plain, ParseProbeAnswers("\x1b[?4c")).sixel)
        << "the first number is the terminal's class";
    EXPECT_TRUE(DecideCapabilities({"xterm", "", "iTerm.app", ""}, plain, none).iterm2Images);
    EXPECT_TRUE(DecideCapabilities({"xterm", "", "WezTerm", ""}, plain, none).iterm2Images);
    EXPECT_TRUE(DecideCapabilities({"xterm", "", "", ""}, plain, iterm).iterm2Images);
    EXPECT_FALSE(DecideCapabilities({"xterm", "", "vscode", ""}, plain, sixel).iterm2Images);
}

// The test plays the terminal: at each device-attributes query, the end of a round of queries,
// it sends the next of `answers`.
TerminalCheck CheckOnStandIn(Pty& pty, const TerminalEnvironment& environment,
                             const std::vector<std::string>& answers, int timeoutMs = kWaitMs) {
    auto standIn = std::async(std::launch::async, [&] {
        std::size_t from = 0;
        for (const std::string& answer : answers) {
            if (!pty.WaitForOutput("\x1b[c", from)) return;
            from = pty.Output().find("\x1b[c", from) + 3;
            pty.Send(answer);
        }
    });
    TerminalCheck check = CheckTerminal(pty.slave, pty.slave, environment, timeoutMs);
    standIn.get();
    return check;
}

const TerminalEnvironment kXterm{"xterm", "", "", ""};
const std::string kFootFirstAnswers = "\x1bP>|foot(1.13.1)\x1b\\\x1b[?62;4;22c";

TEST(TerminalProbe, AStandInTerminalThatAnswersTheClipboardQueryTakesTheClipboard) {
    Pty pty(90, 46);
    const TerminalCheck check = CheckOnStandIn(
        pty, kXterm, {"\x1b_Gi=31;OK\x1b\\" + kFootFirstAnswers, "\x1b]52;c;\a\x1b[?62;4;22c"});
    EXPECT_EQ(check.refusal, "");
    EXPECT_TRUE(check.capabilities.mouse);
    EXPECT_TRUE(check.capabilities.clipboard);
    EXPECT_TRUE(check.capabilities.kittyGraphics);
    EXPECT_TRUE(check.capabilities.sixel);
    EXPECT_EQ(pty.Output(), std::string(kProbeQueries) + std::string(kClipboardQuery));
    EXPECT_TRUE(pty.ModeRestored()) << "the terminal's settings are put back";
}

// xterm 379 crashes on the clipboard query when it may answer it and nothing holds the
// clipboard, so xterm is never asked: known by its version answer, or by its variable when it
// gives none.
TEST(TerminalProbe, XtermIsNotAskedForTheClipboard) {
    Pty named(90, 46);
    const TerminalCheck check =
        CheckOnStandIn(named, kXterm, {"\x1bP>|XTerm(379)\x1b\\\x1b[?64;1;2;4;6;9;15;18;21;22c"});
    EXPECT_TRUE(check.capabilities.sixel);
    EXPECT_FALSE(check.capabilities.clipboard);
    EXPECT_EQ(named.Output(), kProbeQueries);

    Pty old(90, 46);
    CheckOnStandIn(old, {"xterm", "", "", "XTerm(330)"}, {"\x1b[?64;1;2;6;9;15;18;21;22c"});
    EXPECT_EQ(old.Output(), kProbeQueries);

    Pty tmux(90, 46);  // started from xterm, so it has the variable, but it names itself
    CheckOnStandIn(tmux, {"tmux-256color", "", "", "XTerm(379)"},
                   {"\x1bP>|tmux 3.3a\x1b\\\x1b[?1;2;4c", "\x1b[?1;2;4c"});
    EXPECT_EQ(tmux.Output(), std::string(kProbeQueries) + std::string(kClipboardQuery));
}

// A clipboard answer may end when the selection arrives, after the device attributes.
TEST(TerminalProbe, AClipboardAnswerEndingAfterTheOthersIsReadToItsEnd) {
    Pty pty(90, 46);
    auto standIn = std::async(std::launch::async, [&] {
        if (!pty.WaitForOutput("\x1b[c")) return;
        pty.Send(kFootFirstAnswers);
        if (!pty.WaitForOutput("\x1b]52;c;?")) return;
        pty.Send("\x1b]52;c;\x1b[?62;4;22c");
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        for (int i = 0; i < 64; ++i) pty.Send(std::string(4096, 'Q'));  // a large clipboard
        pty.Send("QUJD\a");
    });
    const TerminalCheck check = CheckTerminal(pty.slave, pty.slave, kXterm, kWaitMs);
    standIn.get();
    EXPECT_TRUE(check.capabilities.clipboard);
    termios raw = pty.original;
    cfmakeraw(&raw);  // what a line editor holds becomes readable outside line editing
    tcsetattr(pty.slave, TCSANOW, &raw);
    pollfd leftover{pty.slave, POLLIN, 0};
    EXPECT_EQ(poll(&leftover, 1, 200), 0) << "the answer's end is left to be read as keys";
}

TEST(TerminalProbe, OneThatLeavesTheClipboardQueryUnansweredDoesNot) {
    Pty pty(90, 46);
    const auto start = std::chrono::steady_clock::now();
    const TerminalCheck answeredOnlyAttributes =
        CheckOnStandIn(pty, kXterm, {"\x1b[?1;2c", "\x1b[?1;2c"});
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(kWaitMs / 2))
        << "the device attributes end each wait";
    EXPECT_TRUE(answeredOnlyAttributes.capabilities.mouse);
    EXPECT_FALSE(answeredOnlyAttributes.capabilities.clipboard);
    EXPECT_EQ(pty.Output(), std::string(kProbeQueries) + std::string(kClipboardQuery));

    Pty silentPty(90, 46);
    const TerminalCheck silent = CheckOnStandIn(silentPty, kXterm, {}, 100);
    EXPECT_EQ(silent.refusal, "");
    EXPECT_FALSE(silent.capabilities.clipboard);
    EXPECT_EQ(silentPty.Output(), kProbeQueries) << "no answer, no second round";
}

TEST(TerminalProbe, TheLinuxConsoleIsRefusedAndADumbTerminalIsNotEvenAsked) {
    Pty console(90, 46);
    EXPECT_NE(CheckOnStandIn(console, kXterm, {"\x1b[?6c", "\x1b[?6c"}).refusal, "");

    Pty dumb(90, 46);
    EXPECT_EQ(CheckOnStandIn(dumb, {"dumb", "", "", ""}, {}).refusal,
              "this terminal (TERM=dumb) cannot report the mouse; run Gridlet in xterm, GNOME "
              "Terminal, Konsole, kitty, tmux or screen");
    EXPECT_EQ(dumb.OutputSize(), 0u);
}

TEST(TerminalProbe, WhatIsNoTerminalIsRefusedWithNothingWritten) {
    Pty pty(90, 46);
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    EXPECT_EQ(CheckTerminal(pty.slave, fds[1], {"xterm", "", "", ""}).refusal, kNotATerminal);
    EXPECT_EQ(CheckTerminal(fds[0], pty.slave, {"xterm", "", "", ""}).refusal, kNotATerminal);
    EXPECT_EQ(pty.OutputSize(), 0u);
    close(fds[0]);
    close(fds[1]);
}

}  // namespace
}  // namespace gridlet
