#include "output/compose_program.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/kind_table.h"
#include "output/clipboard_route.h"
#include "support/window_design.h"

namespace gridlet {
namespace {

TEST(ComposeSections, WindowOnlyDesign) {
    EXPECT_EQ(ClipboardText(BuildSections(WindowDesign()), CodeForm::GraphicWindow),
              "\r\n"
              " SUB GraficWin ()\r\n\r\n"
              "   LOCAL hwin AS LONG \r\n\r\n"
              "   GRAPHIC WINDOW \" Example for PBCC5 or PBwin9 \", 103, 115, 343, 603 TO hWin\r\n"
              "   GRAPHIC ATTACH hWin, 0 \r\n"
              "   GRAPHIC COLOR 0,%WHITE\r\n"
              "   GRAPHIC CLEAR\r\n\r\n"
              " END SUB\r\n");
}

TEST(ComposeSections, EachTextGoesToItsSection) {
    Design design;
    struct Placement {
        std::string* text;
        int section;
    };
    const std::vector<Placement> placements = {
        {&design.typeDecls, 2},
        {&design.supportFunctions, 4},
        {&design.subHeader, 5},
        {&design.localDecls, 7},
        {&design.windowCode, 8},
        {&design.windowBackgroundCode, 9},
        {&design.backgroundPaintCode, 10},
        {&design.backLayerCode, 11},
    };
    for (const auto& p : placements) *p.text = '[' + std::to_string(p.section) + "]\r\n";
    design.globalDecls = "  GLOBAL sName AS STRING\r\n";
    const SectionTable sections = ComposeSections(design, CodeForm::GraphicWindow);
    for (const auto& p : placements)
        EXPECT_EQ(sections.At(p.section), *p.text) << "section " << p.section;
    EXPECT_EQ(sections.At(1), "  GLOBAL sName AS STRING\r\n\r\n");
    EXPECT_EQ(sections.At(3), "");
    EXPECT_EQ(sections.At(6), "   LOCAL hwin AS LONG \r\n\r\n");
    EXPECT_EQ(sections.At(44), " END SUB \r\n\r\n");
    for (int i : {13, 15, 17, 19, 20, 21, 22, 23, 25, 26, 31, 33, 34, 38, 40, 42, 45, 51}) {
        EXPECT_EQ(sections.At(i), "") << "section " << i;
    }
}

// Every kind's blocks, each kind in its accumulator as the kind table names it, come out of the
// composition in the program's order of kinds, after the objects sent to the back; the string
// variables' statements in their own routine before GraficWin.
TEST(ComposeSections, KindsComeOutInTheProgramsOrder) {
    Design design = WindowDesign();
    design.backLayerCode = "back\r\n";
    for (const KindEntry& kind : kKindTable) {
        design.*kind.accumulator += '[' + std::string(kind.name) + "]\r\n";
    }
    const std::string text = ClipboardText(BuildSections(design), CodeForm::GraphicWindow);
    const std::string objects = text.substr(text.find("back\r\n"));
    EXPECT_EQ(objects,
              "back\r\n"
              "[box]\r\n"
              "[polygon]\r\n"
              "[ellipse]\r\n"
              "[star]\r\n"
              "[line]\r\n[line step]\r\n"
              "[arc]\r\n"
              "[pie]\r\n"
              "[paint]\r\n[paint replace]\r\n"
              "[bitmap]\r\n[bitmap]\r\n"
              "[text]\r\n"
              " END SUB\r\n");
    EXPECT_NE(text.find(" SUB DoString\r\n   LOCAL esc, hfont, Xs, Ys AS LONG\r\n\r\n[string]\r\n"),
              std::string::npos);
    EXPECT_LT(text.find("[string]"), text.find(" SUB GraficWin"));
}

TEST(ComposeSections, ObjectsComeOutGroupedByKind) {
    Design design = WindowDesign();
    design.ellipseCode = "   GRAPHIC ELLIPSE placed first\r\n\r\n";
    design.boxCode = "   GRAPHIC BOX placed second\r\n\r\n";
    const std::string text = ClipboardText(BuildSections(design), CodeForm::GraphicWindow);
    EXPECT_LT(text.find("GRAPHIC BOX"), text.find("GRAPHIC ELLIPSE"));
}

TEST(ComposeSections, DoStringRoutineOnlyForStringVariables) {
    Design design = WindowDesign();
    design.textCode = "   GRAPHIC PRINT \"text\"\r\n\r\n";
    EXPECT_EQ(ClipboardText(BuildSections(design), CodeForm::GraphicWindow).find("SUB DoString"),
              std::string::npos);

    design.doStringBody = "   GRAPHIC PRINT sName\r\n\r\n";
    EXPECT_EQ(BuildSections(design).At(3),
              " SUB DoString\r\n"
              "   LOCAL esc, hfont, Xs, Ys AS LONG\r\n\r\n"
              "   GRAPHIC PRINT sName\r\n\r\n"
              "     FONT END hfont\r\n"
              " End SUB\r\n\r\n");
}

TEST(ComposeSections, MoveMenuPreviewPlacement) {
    struct Case {
        std::string name;
        std::string preview;
        bool moveToBack;
        std::string section11, section26, section33;
    };
    const std::string step = "   GRAPHIC LINE STEP - (5, 6)\r\n\r\n";
    const std::string box = "   GRAPHIC BOX shifted\r\n\r\n";
    const std::string back = "   GRAPHIC ELLIPSE sent back\r\n\r\n";
    const std::vector<Case> cases = {
        {"no preview", "", false, back, "", ""},
        {"line step with the lines", step, false, back, step, ""},
        {"other objects after everything", box, false, back, "", box},
        {"sent to the back in front of the back layer", box, true, box + back, "", ""},
    };
    for (const auto& c : cases) {
        Design design = WindowDesign();
        design.backLayerCode = back;
        const SectionTable sections =
            ComposeSections(design, CodeForm::GraphicWindow, {c.preview, c.moveToBack});
        EXPECT_EQ(sections.At(11), c.section11) << c.name;
        EXPECT_EQ(sections.At(26), c.section26) << c.name;
        EXPECT_EQ(sections.At(33), c.section33) << c.name;
    }
}

}  // namespace
}  // namespace gridlet
