#include "app/command_line.h"

#include <string_view>

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
    {"--render", "PROGRAM.bas OUT.png",
     "draw the graphic window of a program into a PNG picture and list\n"
     "the statements that could not be drawn",
     CommandAction::Render},
    {"--help", "", "show this text", CommandAction::Help},
    {"--version", "", "show the version", CommandAction::Version},
};

constexpr std::string_view kAbout =
    "Gridlet designs a graphic window with the mouse, in a terminal of 90 x 46 cells, and\n"
    "writes the BASIC code that draws it. Without options it starts the designer.\n";

constexpr std::string_view kKeys =
    "Mouse and keys:\n"
    "  two left clicks on the grid   mark an area: its top left, then its bottom right corner\n"
    "  Window, then a tool button    make the graphic window of the first area, then place an\n"
    "                                object in each later one\n"
    "  Build                         put the code on the clipboard: a left click gives\n"
    "                                graphic-window code, a right click printer code (XPRINT)\n"
    "  Undo                          take back the newest object\n"
    "  pointer 3 columns leftwards   drop the first corner of a half-marked area\n"
    "  Esc                           the exit dialog, while no area is being marked\n"
    "  F1                            the help pages, while no area is being marked\n"
    "  q or Ctrl+C                   quit while the terminal is too small\n";

constexpr std::string_view kFiles =
    "Files, in the current directory:\n"
    "  Gridlet-clipboard.bas  the code of a Build when no clipboard could be reached\n"
    "  Testgui.bas            the program that Preview and CodView write\n"
    "  Testgui.png            the picture that Preview draws\n"
    "  Gridlet-recovered.GDL  the design, kept when the terminal goes away\n"
    "Designs (.GDL) are saved on leaving, in the folder chosen then, and offered at start.\n";

constexpr std::string_view kVersion = "gridlet " GRIDLET_VERSION "\n";

std::size_t OperandCount(std::string_view names) {
    if (names.empty()) return 0;
    std::size_t count = 1;
    for (char c : names) count += c == ' ' ? 1 : 0;
    return count;
}

std::string Usage() {
    std::string usage = "Usage: gridlet\n";
    for (const Option& option : kOptions) {
        usage += "       gridlet ";
        usage += option.name;
        if (!option.operands.empty()) {
            usage += ' ';
            usage += option.operands;
        }
        usage += '\n';
    }
    return usage;
}

// Each option's name and operands, then its help, whose further lines line up under its first.
std::string OptionList() {
    constexpr std::size_t kHelpColumn = 32;
    std::string list = "Options:\n";
    for (const Option& option : kOptions) {
        std::string line = "  ";
        line += option.name;
        if (!option.operands.empty()) {
            line += ' ';
            line += option.operands;
        }
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

}  // namespace

CommandLine ParseCommandLine(std::span<const char* const> arguments) {
    if (arguments.empty()) return {};
    const std::string_view first = arguments[0];
    for (const Option& option : kOptions) {
        if (first != option.name) continue;
        const std::size_t wanted = OperandCount(option.operands);
        if (arguments.size() - 1 != wanted) {
            std::string reason(option.name);
            reason += " takes ";
            reason += wanted == 0 ? std::string_view("no arguments") : option.operands;
            return Refused(reason);
        }
        CommandLine command;
        command.action = option.action;
        command.operands.assign(arguments.begin() + 1, arguments.end());
        return command;
    }
    std::string reason = first.starts_with('-') ? "unknown option " : "unexpected argument ";
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
        case CommandAction::Refuse:
            errors << "gridlet: " << command.refusal << "\n" << Usage();
            return 2;
    }
    return 0;
}

}  // namespace gridlet
