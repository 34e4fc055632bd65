// Gridlet: a mouse-driven designer of BASIC graphic-window code, in a 90 x 46 terminal.

#include <cstdio>
#include <exception>
#include <iostream>
#include <memory>
#include <span>

#include "app/command_line.h"
#include "app/main_loop.h"
#include "app/startup.h"
#include "interact/context.h"
#include "output/compose_program.h"
#include "platform/clock.h"
#include "platform/system_clipboard.h"
#include "platform/terminal_probe.h"
#include "platform/tty_backend.h"

int main(int argc, char** argv) {
    using namespace gridlet;
    const CommandLine command = ParseCommandLine(
        std::span<const char* const>(argv + 1, static_cast<std::size_t>(argc - 1)));
    if (command.action != CommandAction::Design)
        return RunCommandLine(command, std::cout, std::cerr);

    const TerminalCheck terminal =
        CheckTerminal(STDIN_FILENO, STDOUT_FILENO, EnvironmentOfThisProcess());
    if (!terminal.refusal.empty()) {
        std::fprintf(stderr, "gridlet: %s\n", terminal.refusal.c_str());
        return 1;
    }
    std::unique_ptr<TtyBackend> backend;
    try {
        backend = std::make_unique<TtyBackend>();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "gridlet: %s\n", error.what());
        return 1;
    }
    RealClock clock;
    Console console(*backend, clock, terminal.capabilities);
    Screen screen(console);
    auto design = std::make_unique<Design>();
    PassState pass;
    SystemClipboard clipboard(*backend, terminal.capabilities.clipboard, DesktopClipboardTool());
    const ProgramEnvironment environment = ProgramEnvironmentOfThisProcess();
    Context context{console, screen, *design, pass, clipboard, environment, ComposeProgram};

    StartUp(context);
    MainLoop(context).Run();
    return 0;
}
