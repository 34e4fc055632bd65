#include "app/command_line.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace gridlet {
namespace {

CommandLine Parse(const std::vector<const char*>& arguments) {
    return ParseCommandLine(arguments);
}

TEST(CommandLine, ArgumentsChooseAnActionOrAreRefusedWithTheReason) {
    const struct {
        std::vector<const char*> arguments;
        CommandAction action;
        std::vector<std::string> operands;
        std::string refusal;
        bool printer = false;
        bool picture = false;
    } cases[] = {
        {{}, CommandAction::Design, {}, ""},
        {{"design.GDL"}, CommandAction::Design, {"design.GDL"}, ""},
        {{"a.GDL", "b.GDL"}, CommandAction::Refuse, {}, "one design file at a time"},
        {{"--code", "a.GDL"}, CommandAction::Code, {"a.GDL"}, ""},
        {{"--code", "--printer", "a.GDL"}, CommandAction::Code, {"a.GDL"}, "", true},
        {{"--code", "a.GDL", "--printer"}, CommandAction::Code, {"a.GDL"}, "", true},
        {{"--code"}, CommandAction::Refuse, {}, "--code takes [--printer] FILE.GDL"},
        {{"--printer", "a.GDL"}, CommandAction::Refuse, {}, "--printer goes with --code"},
        {{"--help"}, CommandAction::Help, {}, ""},
        {{"--version"}, CommandAction::Version, {}, ""},
        {{"--render", "in.bas", "out.png"}, CommandAction::Render, {"in.bas", "out.png"}, ""},
        {{"--render", "in.bas"}, CommandAction::Refuse, {}, "--render takes PROGRAM.bas OUT.png"},
        {{"--help", "x"}, CommandAction::Refuse, {}, "--help takes no arguments"},
        {{"--bogus"}, CommandAction::Refuse, {}, "unknown option --bogus"},
        {{"-h"}, CommandAction::Refuse, {}, "unknown option -h"},
        {{"--"}, CommandAction::Design, {}, ""},
        {{"--", "-x.GDL"}, CommandAction::Design, {"-x.GDL"}, ""},
        {{"--", "--help"}, CommandAction::Design, {"--help"}, ""},
        {{"--", "a.GDL", "b.GDL"}, CommandAction::Refuse, {}, "one design file at a time"},
        {{"--code", "--", "-x.GDL"}, CommandAction::Code, {"-x.GDL"}, ""},
        {{"--code", "--printer", "--", "--printer"}, CommandAction::Code, {"--printer"}, "", true},
        {{"--picture"}, CommandAction::Design, {}, "", false, true},
        {{"--picture", "a.GDL"}, CommandAction::Design, {"a.GDL"}, "", false, true},
        {{"--picture", "--", "-x.GDL"}, CommandAction::Design, {"-x.GDL"}, "", false, true},
        {{"--picture", "--help"}, CommandAction::Refuse, {}, "--picture goes with the designer"},
        {{"--picture", "a.GDL", "b.GDL"}, CommandAction::Refuse, {}, "one design file at a time"},
        {{"a.GDL", "--picture"}, CommandAction::Refuse, {}, "one design file at a time"},
        {{"--render", "--", "-in.bas", "-out.png"},
         CommandAction::Render,
         {"-in.bas", "-out.png"},
         ""},
    };
    for (const auto& c : cases) {
        const CommandLine command = Parse(c.arguments);
        std::string shown = "gridlet";
        for (const char* argument : c.arguments) (shown += ' ') += argument;
        EXPECT_EQ(command.action, c.action) << shown;
        EXPECT_EQ(command.operands, c.operands) << shown;
        EXPECT_EQ(command.refusal, c.refusal) << shown;
        EXPECT_EQ(command.printer, c.printer) << shown;
        EXPECT_EQ(command.picture, c.picture) << shown;
    }
}

TEST(CommandLine, ARefusalGivesTheReasonAndTheUsageOnTheErrorStreamAndStatusTwo) {
    std::ostringstream out, errors;
    EXPECT_EQ(RunCommandLine(Parse({"--bogus"}), out, errors), 2);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(errors.str(),
              "gridlet: unknown option --bogus\n"
              "Usage: gridlet [FILE.GDL]\n"
              "       gridlet --code [--printer] FILE.GDL\n"
              "       gridlet --render PROGRAM.bas OUT.png\n"
              "       gridlet --help\n"
              "       gridlet --version\n");
}

TEST(CommandLine, HelpListsTheOptionsKeysAndFiles) {
    std::ostringstream out, errors;
    EXPECT_EQ(RunCommandLine(Parse({"--help"}), out, errors), 0);
    EXPECT_EQ(errors.str(), "");
    const std::string help = out.str();
    for (const char* part :
         {"Usage: gridlet [FILE.GDL]\n", "  --code [--printer] FILE.GDL   print the code",
          "  --render PROGRAM.bas OUT.png  draw the graphic window",
          "\n                                the statements that could not be drawn\n",
          "  --version                     show the version\n", "right click printer code",
          "Gridlet-clipboard.bas", "Testgui.png", "Gridlet-recovered.GDL", "q or Ctrl+C",
          "  Ctrl+Z  ", "  F2  ", "--picture"}) {
        EXPECT_NE(help.find(part), std::string::npos) << part;
    }
}

TEST(CommandLine, VersionIsOneLine) {
    std::ostringstream out, errors;
    EXPECT_EQ(RunCommandLine(Parse({"--version"}), out, errors), 0);
    EXPECT_EQ(out.str().rfind("gridlet ", 0), 0u);
    EXPECT_EQ(out.str().find('\n'), out.str().size() - 1);
}

TEST(CommandLine, CodeOfAMissingDesignSaysSoAndFails) {
    std::ostringstream out, errors;
    EXPECT_EQ(RunCommandLine(Parse({"--code", "/nonexistent/a.GDL"}), out, errors), 1);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(errors.str().rfind("gridlet: /nonexistent/a.GDL: ", 0), 0u) << errors.str();
}

// A name reaches the terminal with its control characters written out, so it cannot act on it.
TEST(CommandLine, NamesInMessagesShowTheirControlCharactersEscaped) {
    const std::string name = "/nonexistent/\x1b]0;owned\a.GDL";
    const std::string option = "--\x1b]0;owned\a";
    for (const auto& arguments : {std::vector<const char*>{"--code", name.c_str()},
                                  std::vector<const char*>{"--render", name.c_str(), "out.png"},
                                  std::vector<const char*>{option.c_str()}}) {
        std::ostringstream out, errors;
        EXPECT_NE(RunCommandLine(Parse(arguments), out, errors), 0);
        const std::string said = errors.str();
        EXPECT_EQ(said.find_first_of("\x1b\a"), std::string::npos) << said;
        EXPECT_NE(said.find("\\e]0;owned\\a"), std::string::npos) << said;
    }
}

TEST(CommandLine, RenderOfAMissingProgramSaysSoAndFails) {
    std::ostringstream out, errors;
    EXPECT_EQ(RunCommandLine(Parse({"--render", "/nonexistent/in.bas", "/nonexistent/out.png"}),
                             out, errors),
              1);
    EXPECT_EQ(errors.str(),
              "gridlet: cannot read /nonexistent/in.bas: No such file or directory\n");
}

}  // namespace
}  // namespace gridlet
