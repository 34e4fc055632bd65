#include "app/design_code.h"

#include <gtest/gtest.h>

#include "design/window_command.h"
#include "output/clipboard_route.h"
#include "output/compose_program.h"
#include "output/kept_sections.h"

namespace gridlet {
namespace {

TEST(DesignCode, IsWhatBuildGivesForTheStoredDesign) {
    Design design;
    CreateWindow(design, {5, 20, 30, 49}, Properties{});
    DesignFileContents contents;
    contents.sections = SectionsToKeep(design);
    const std::string window =
        "   GRAPHIC WINDOW \" Example for PBCC5 or PBwin9 \", 103, 115, 343, 603 TO hWin\r\n";
    const auto code = DesignCode(contents, false);
    ASSERT_TRUE(code);
    EXPECT_EQ(*code, ClipboardText(ComposeSections(design, CodeForm::GraphicWindow),
                                   CodeForm::GraphicWindow))
        << "the same code as Build of the design, without a line end added by keeping it";
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
