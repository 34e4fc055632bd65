#include "app/design_options.h"

#include <gtest/gtest.h>

#include "design/window_command.h"
#include "output/kept_sections.h"

namespace gridlet {
namespace {

using Action = DesignOptions::Action;

TEST(DesignOptions, ArgumentsChooseWhatTheProgramDoes) {
    const struct {
        std::vector<std::string> arguments;
        Action action;
        const char* path;
        bool printer;
        const char* refusal;
    } cases[] = {
        {{}, Action::Run, "", false, ""},
        {{"a.GDL"}, Action::Run, "a.GDL", false, ""},
        {{"--code", "a.GDL"}, Action::PrintCode, "a.GDL", false, ""},
        {{"a.GDL", "--code", "--printer"}, Action::PrintCode, "a.GDL", true, ""},
        {{"a.GDL", "--help"}, Action::Help, "", false, ""},
        {{"-h"}, Action::Help, "", false, ""},
        {{"--code"}, Action::Refuse, "", false, "--code needs a design file"},
        {{"--printer", "a.GDL"}, Action::Refuse, "", false, "--printer goes with --code"},
        {{"a.GDL", "b.GDL"}, Action::Refuse, "", false, "one design file at a time"},
        {{"--cod", "a.GDL"}, Action::Refuse, "", false, "unknown option --cod"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.arguments));
        const DesignOptions options = ParseDesignOptions(c.arguments);
        EXPECT_EQ(options.action, c.action);
        EXPECT_EQ(options.refusal, c.refusal);
        if (c.action != Action::Refuse && c.action != Action::Help) {
            EXPECT_EQ(options.designPath, c.path);
            EXPECT_EQ(options.printer, c.printer);
        }
    }
}

TEST(DesignOptions, TheHelpNamesEveryOption) {
    for (const char* option : {"FILE.GDL", "--code", "--printer", "--help"}) {
        EXPECT_NE(UsageText().find(option), std::string::npos) << option;
    }
}

TEST(DesignCode, IsWhatBuildGivesForTheStoredDesign) {
    Design design;
    CreateWindow(design, {5, 20, 30, 49}, Properties{});
    DesignFileContents contents;
    contents.sections = SectionsToKeep(design);
    const std::string window =
        "   GRAPHIC WINDOW \" Example for PBCC5 or PBwin9 \", 103, 115, 343, 603 TO hWin\r\n";
    const auto code = DesignCode(contents, false);
    ASSERT_TRUE(code);
    EXPECT_EQ(code->substr(0, 25), "\r\n\r\n SUB GraficWin ()\r\n\r\n");
    EXPECT_NE(code->find(window), std::string::npos);
    EXPECT_EQ(code->substr(code->size() - 10), " END SUB\r\n");

    const auto printer = DesignCode(contents, true);
    ASSERT_TRUE(printer);
    EXPECT_NE(printer->find("   XPRINT ATTACH CHOOSE \r\n"), std::string::npos);
    EXPECT_EQ(printer->find("GRAPHIC WINDOW"), std::string::npos);

    EXPECT_FALSE(DesignCode(DesignFileContents{}, false)) << "no window, no Build";
}

}  // namespace
}  // namespace gridlet
