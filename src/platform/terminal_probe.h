#pragma once
// One look at the terminal before the program takes it: both standard streams must be a terminal
// that can report the mouse, and a few queries (answered in order, the device attributes last,
// within one short time) tell what else it can do.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/terminal_capabilities.h"
#include "platform/terminal_description.h"

namespace gridlet {

constexpr const char* kNotATerminal = "standard input and output must both be a terminal";

// The kitty graphics query, the terminal's name and version (XTVERSION), its cell size in pixels
// and the primary device attributes (DA1), which every terminal answers, so that its answer ends
// the wait.
constexpr std::string_view kProbeQueries =
    "\x1b_Gi=31,s=1,v=1,a=q,t=d,f=24;AAAA\x1b\\"
    "\x1b[>q"
    "\x1b[16t"
    "\x1b[c";

// The clipboard query, asked next of a terminal that answered and is not xterm: xterm 379 ends
// with a crash when it may answer it while no program holds the clipboard.
constexpr std::string_view kClipboardQuery =
    "\x1b]52;c;?\a"
    "\x1b[c";

// What the terminal answered.
struct ProbeAnswers {
    std::optional<std::vector<int>> deviceAttributes;  // DA1's numbers, the class first
    bool clipboard = false;
    bool kittyGraphics = false;
    std::string version;  // XTVERSION's text
    int cellWidth = 0;    // a cell's pixels, from CSI 6 ; height ; width t; 0 when not given
    int cellHeight = 0;
};

ProbeAnswers ParseProbeAnswers(std::string_view bytes);

// The environment variables that speak of the terminal.
struct TerminalEnvironment {
    std::string term;
    std::string colorTerm;
    std::string termProgram;
    std::string xtermVersion;  // XTERM_VERSION, which xterm sets for the programs it runs
};

// Whether the clipboard query may be sent after the first answers.
bool AsksForClipboard(const TerminalEnvironment& environment, const ProbeAnswers& answers);

TerminalEnvironment EnvironmentOfThisProcess();

// Why the mouse cannot work in this terminal, as the one line to show; empty when it can.
std::string MouseRefusal(const TerminalEnvironment& environment,
                         const TerminalDescription& description, const ProbeAnswers& answers);

TerminalCapabilities DecideCapabilities(const TerminalEnvironment& environment,
                                        const TerminalDescription& description,
                                        const ProbeAnswers& answers);

// The refusal to print (the terminal cannot be used), or the terminal's capabilities.
struct TerminalCheck {
    std::string refusal;
    TerminalCapabilities capabilities;
};

// Looks at inFd and outFd without changing them: nothing is written unless both are terminals.
TerminalCheck CheckTerminal(int inFd, int outFd, const TerminalEnvironment& environment,
                            int answerTimeoutMs = 500);

}  // namespace gridlet
