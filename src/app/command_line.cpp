#include "app/command_line.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "app/design_code.h"
#include "output/open_design.h"
#include "platform/basic_error.h"
#include "platform/cp1252.h"
#include "platform/escape_controls.h"
#include "render/render_file.h"

namespace gridlet {
namespace {

struct Option {
    std::string_view name;
    std::string_view operands;  // their names, blank-separated; empty for none
    std::string_view help;
    CommandAction action;
};

// Adding an option is adding a row here and, when it does something new, a case below.
constexpr Option kOptions[] = {
    {"--code", "[--printer] FILE.GDL",
     "print the code that Build puts on the clipboard for a design\n"
     "(CR LF line ends); with --printer, printer code",
     CommandAction::Code},
    {"--render", "PROGRAM.bas OUT.png",
     "draw the graphic window of a program into a PNG picture and list\n"
     "the statements that could not be drawn",
     CommandAction::Render},
    {"--help", "", "show this text", CommandAction::Help},
    {"--version", "", "show the version", CommandAction::Version},
};

constexpr std::string_view kAbout =
    "Gridlet designs a graphic window with the mouse, in a terminal of 90 x 46 cells, and\n"
    "writes the BASIC code that draws it. Without options it starts the designer; with a\n"
    "design file (.GDL) it opens that design at start, without asking, or starts a new design\n"
    "for that name when there is no such file yet; after \"--\" a name that starts with \"-\"\n"
    "is a file too. With --picture first, the designer starts in the picture view (F2).\n";

constexpr std::string_view kKeys =
    "Mouse and keys:\n"
    "  two left clicks on the grid   mark an area: its top left, then its bottom right corner\n"
    "  Window, then a tool button    make the graphic window of the first area, then place an\n"
    "                                object in each later one\n"
    "  Build                         put the code on the clipboard: a left click gives\n"
    "                                graphic-window code, a right click printer code (XPRINT)\n"
    "  Undo, u or Backspace          take back the newest object\n"
    "  Shift with Undo, r or Ctrl+Y  place the newest object taken back again\n"
    "  Ctrl+S                        save the design: to its file, or the first time to the\n"
    "                                file named in the chooser\n"
    "  F12                           save the design under a new name\n"
    "  pointer 3 columns leftwards   drop the first corner of a half-marked area\n"
    "  Esc                           the exit dialog, while no area is being marked\n"
    "  F1                            the help pages, while no area is being marked\n"
    "  F2                            switch the grid between the marks and the picture the\n"
    "                                code draws, while no area is being marked\n"
    "  Ctrl+Z                        suspend, giving the terminal back; fg brings it back\n"
    "  q or Ctrl+C                   quit while the terminal is too small\n";

constexpr std::string_view kFiles =
    "Files, in the current directory:\n"
    "  Gridlet-clipboard.bas  the code of a Build when no clipboard confirmed it\n"
    "  Testgui.bas            the program that Preview and CodView write\n"
    "  Testgui.png            the picture that Preview draws\n"
    "  Gridlet-recovered.GDL  the design, kept when the terminal goes away, offered at start\n"
    "Designs (.GDL) are saved by Ctrl+S, F12 and on leaving, and offered at start.\n";

constexpr std::string_view kVersion = "gridlet " GRIDLET_VERSION "\n";

// The operands an option needs: its blank-separated names but the optional ones in brackets.
std::size_t OperandCount(std::string_view names) {
    std::size_t count = 0;
    while (!names.empty()) {
        const std::size_t end = std::min(names.find(' '), names.size());
        count += names[0] == '[' ? 0 : 1;
        names.remove_prefix(std::min(end + 1, names.size()));
    }
    return count;
}

// An option's name and, after a blank, its operands.
std::string Synopsis(const Option& option) {
    std::string synopsis(option.name);
    if (!option.operands.empty()) {
        synopsis += ' ';
        synopsis += option.operands;
    }
    return synopsis;
}

std::string Usage() {
    std::string usage = "Usage: gridlet [FILE.GDL]\n";
    for (const Option& option : kOptions) usage += "       gridlet " + Synopsis(option) + '\n';
    return usage;
}

// Each option's name and operands, then its help, whose further lines line up under its first.
std::string OptionList() {
    constexpr std::size_t kHelpColumn = 32;
    std::string list = "Options:\n";
    for (const Option& option : kOptions) {
        std::string line = "  " + Synopsis(option);
        line.resize(kHelpColumn, ' ');
        for (char c : option.help) {
            line += c;
            if (c == '\n') line.append(kHelpColumn, ' ');
        }
        list += line;
        list += '\n';
    }
    return list;
}

CommandLine Refused(std::string reason) {
    CommandLine command;
    command.action = CommandAction::Refuse;
    command.refusal = std::move(reason);
    return command;
}

// The designer with the design file given, if one is.
CommandLine DesignCommand(std::span<const char* const> files) {
    if (files.size() > 1) return Refused("one design file at a time");
    CommandLine command;
    if (!files.empty()) command.operands.emplace_back(files[0]);
    return command;
}

// A line for standard error; names in it are shown with their control characters escaped.
void SayError(std::ostream& errors, std::string_view message) {
    errors << "gridlet: " << EscapeControls(message) << "\n";
}

}  // namespace

CommandLine ParseCommandLine(std::span<const char* const> arguments) {
    if (arguments.empty()) return {};
    const std::string_view first = arguments[0];
    if (first == "--picture") {
        CommandLine command = ParseCommandLine(arguments.subspan(1));
        if (command.action != CommandAction::Design && command.action != CommandAction::Refuse)
            return Refused("--picture goes with the designer");
        command.picture = command.action == CommandAction::Design;
        return command;
    }
    // "--" ends the options: what follows is a file, even when it starts with "-".
    if (first == "--") return DesignCommand(arguments.subspan(1));
    if (!first.starts_with('-')) return DesignCommand(arguments);
    for (const Option& option : kOptions) {
        if (first != option.name) continue;
        CommandLine command;
        command.action = option.action;
        bool optionsEnded = false;
        for (std::string_view argument : arguments.subspan(1)) {
            if (!optionsEnded && argument == "--") {
                optionsEnded = true;
            } else if (!optionsEnded && option.action == CommandAction::Code &&
                       argument == "--printer") {
                command.printer = true;
            } else {
                command.operands.emplace_back(argument);
            }
        }
        const std::size_t wanted = OperandCount(option.operands);
        if (command.operands.size() != wanted) {
            std::string reason(option.name);
            reason += " takes ";
            reason += wanted == 0 ? std::string_view("no arguments") : option.operands;
            return Refused(reason);
        }
        return command;
    }
    if (first == "--printer") return Refused("--printer goes with --code");
    std::string reason = "unknown option ";
    reason += first;
    return Refused(reason);
}

std::string HelpText() {
    std::string text = Usage();
    text += '\n';
    text += kAbout;
    text += '\n';
    text += OptionList();
    text += '\n';
    text += kKeys;
    text += '\n';
    text += kFiles;
    return text;
}

namespace {

// What Build would put on the clipboard for the design in the file, as the clipboard gets it.
int PrintDesignCode(const std::string& path, bool printer, std::ostream& out,
                    std::ostream& errors) {
    std::optional<std::string> code;
    try {
        code = DesignCode(ReadDesignFile(path), printer);
    } catch (const BasicError& error) {
        SayError(errors, error.what());
        return 1;
    }
    if (!code) {
        SayError(errors, path + " has no graphic window, so Build gives no code for it");
        return 1;
    }
    out << Cp1252ToUtf8(*code) << std::flush;
    return out ? 0 : 1;
}

}  // namespace

int RunCommandLine(const CommandLine& command, std::ostream& out, std::ostream& errors) {
    switch (command.action) {
        case CommandAction::Design:
            break;
        case CommandAction::Help:
            out << HelpText();
            return 0;
        case CommandAction::Version:
            out << kVersion;
            return 0;
        case CommandAction::Render:
            return RenderCommand(command.operands[0], command.operands[1], out, errors);
        case CommandAction::Code:
            return PrintDesignCode(command.operands[0], command.printer, out, errors);
        case CommandAction::Refuse:
            SayError(errors, command.refusal);
            errors << Usage();
            return 2;
    }
    return 0;
}

}  // namespace gridlet
