// Gridlet: a mouse-driven designer of BASIC graphic-window code, in a 90 x 46 terminal.

#include <csignal>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>
#include <memory>
#include <span>

#include "app/command_line.h"
#include "app/main_loop.h"
#include "app/session_close.h"
#include "app/standard_error.h"
#include "app/startup.h"
#include "interact/context.h"
#include "output/compose_program.h"
#include "output/open_design.h"
#include "output/recovery_file.h"
#include "platform/basic_error.h"
#include "platform/clock.h"
#include "platform/cp1252.h"
#include "platform/freed_memory.h"
#include "platform/system_clipboard.h"
#include "platform/terminal_probe.h"
#include "platform/terminal_restore.h"
#include "platform/tty_backend.h"

namespace {

using namespace gridlet;

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
    // A file grown past the size limit (ulimit -f) fails to be written, with EFBIG, and says so
    // like any other failed write, rather than ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    KeepFreedMemoryForReuse();
    const CommandLine command = ParseCommandLine(
        std::span<const char* const>(argv + 1, static_cast<std::size_t>(argc - 1)));
    if (command.action != CommandAction::Design) {
        return RunCommandLine(command, std::cout, std::cerr);
    }
    std::optional<GivenDesign> givenDesign;
    if (!command.operands.empty()) {
        givenDesign = GivenDesign{command.operands[0], {}};
        try {
            givenDesign->contents = ReadDesignFile(givenDesign->path);
        } catch (const BasicError& error) {
            // A name that is not there yet is a new design, as an editor takes it.
            std::error_code missing;
            const bool isNew = error.number() == kErrorFileNotFound &&
                               !std::filesystem::exists(
                                   std::filesystem::symlink_status(givenDesign->path, missing));
            if (!isNew) {
                Say(error.what());
                return 1;
            }
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
    if (terminal.capabilities.cellWidth > 0)
        backend->SetAnsweredCellSize(
            {terminal.capabilities.cellWidth, terminal.capabilities.cellHeight});
    RealClock clock;
    Console console(*backend, clock, terminal.capabilities);
    Screen screen(console);
    auto design = std::make_unique<Design>();
    PassState pass;
    pass.pictureView = command.picture;
    SystemClipboard clipboard(*backend, terminal.capabilities.clipboard, DesktopClipboardTool());
    const ProgramEnvironment environment = ProgramEnvironmentOfThisProcess();
    Context context{console, screen, *design, pass, clipboard, environment, ComposeProgram};

    MainLoop loop(context);
    // Faults of the program the error trap went past, said once the terminal is given back.
    auto sayFaults = [&loop] {
        for (const std::string& fault : loop.Faults()) SayFault(fault);
    };
    try {
        StartUp(context, loop, givenDesign);
        loop.Run();
    } catch (const SessionEnd& end) {
        // The design first: giving the terminal back may wait a little on a terminal that has
        // stopped reading, and a second signal then ends the program at once.
        const auto folders = RecoveryFolders(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
        const std::vector<std::string> lines = CloseSession(context, end, folders);
        RestoreTerminal();
        sayFaults();
        for (const std::string& line : lines) Say(line);
        return EndAs(end);
    }
    RestoreTerminal();
    sayFaults();
    return 0;
}
