// Gridlet: a mouse-driven designer of BASIC graphic-window code, in a 90 x 46 terminal.

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>

#include "app/design_options.h"
#include "app/main_loop.h"
#include "app/session_close.h"
#include "app/startup.h"
#include "interact/context.h"
#include "output/compose_program.h"
#include "output/open_design.h"
#include "output/recovery_file.h"
#include "platform/basic_error.h"
#include "platform/clock.h"
#include "platform/cp1252.h"
#include "platform/system_clipboard.h"
#include "platform/terminal_probe.h"
#include "platform/tty_backend.h"

namespace {

using namespace gridlet;

void Say(const std::string& line) {
    std::fprintf(stderr, "gridlet: %s\n", line.c_str());
}

int PrintDesignCode(const DesignOptions& options) {
    std::optional<std::string> code;
    try {
        code = DesignCode(ReadDesignFile(options.designPath), options.printer);
    } catch (const BasicError& error) {
        Say(error.what());
        return 1;
    }
    if (!code) {
        Say(options.designPath + " has no graphic window, so Build gives no code for it");
        return 1;
    }
    const std::string text = Cp1252ToUtf8(*code);
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
        return 1;
    return 0;
}

// The program ends as the session's end says: by the same signal, or with its status.
int EndAs(const SessionEnd& end) {
    if (end.signal != 0) {
        std::signal(end.signal, SIG_DFL);
        std::raise(end.signal);
    }
    return end.exitStatus;
}

}  // namespace

int main(int argc, char** argv) {
    const DesignOptions options =
        ParseDesignOptions(std::vector<std::string>(argv + 1, argv + argc));
    switch (options.action) {
        case DesignOptions::Action::Help:
            std::fputs(UsageText().c_str(), stdout);
            return 0;
        case DesignOptions::Action::Refuse:
            Say(options.refusal);
            std::fputs(UsageText().substr(0, UsageText().find("\n\n") + 1).c_str(), stderr);
            return 2;
        case DesignOptions::Action::PrintCode:
            return PrintDesignCode(options);
        case DesignOptions::Action::Run:
            break;
    }
    std::optional<DesignFileContents> givenDesign;
    if (!options.designPath.empty()) {
        try {
            givenDesign = ReadDesignFile(options.designPath);
        } catch (const BasicError& error) {
            Say(error.what());
            return 1;
        }
    }

    const TerminalCheck terminal =
        CheckTerminal(STDIN_FILENO, STDOUT_FILENO, EnvironmentOfThisProcess());
    if (!terminal.refusal.empty()) {
        Say(terminal.refusal);
        return 1;
    }
    std::unique_ptr<TtyBackend> backend;
    try {
        backend = std::make_unique<TtyBackend>();
    } catch (const std::exception& error) {
        Say(error.what());
        return 1;
    }
    RealClock clock;
    Console console(*backend, clock, terminal.capabilities);
    Screen screen(console);
    auto design = std::make_unique<Design>();
    PassState pass;
    SystemClipboard clipboard(*backend, terminal.capabilities.clipboard, DesktopClipboardTool());
    Context context{console, screen, *design, pass, clipboard, ComposeProgram};

    try {
        MainLoop loop(context);
        StartUp(context, loop, givenDesign);
        loop.Run();
    } catch (const SessionEnd& end) {
        const auto folders = RecoveryFolders(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
        for (const std::string& line : CloseSession(context, end, folders)) Say(line);
        return EndAs(end);
    }
    return 0;
}
