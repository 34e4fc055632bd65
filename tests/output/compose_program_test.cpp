#include "output/compose_program.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "codegen/window_emitter.h"
#include "output/clipboard_route.h"

namespace gridlet {
namespace {

DesignState WindowOnlyDesign() {
    DesignState s;
    s.AreaTop = 5;
    s.AreaLeft = 20;
    s.AreaBottom = 30;
    s.AreaRight = 49;
    EmitWindow(s);
    s.requests.buildRequest = 1;
    return s;
}

TEST(ComposeSections, WindowOnlyDesign) {
    const DesignState state = WindowOnlyDesign();
    EXPECT_EQ(ClipboardText(ComposeSections(state), 1),
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
    DesignState s;
    struct Placement {
        std::string* text;
        std::size_t section;
    };
    const std::vector<Placement> placements = {
        {&s.typeDecls, 2},
        {&s.supportFunctions, 4},
        {&s.subHeader, 5},
        {&s.localDecls, 7},
        {&s.windowCode, 8},
        {&s.windowBackgroundCode, 9},
        {&s.backgroundPaintCode, 10},
        {&s.backLayerCode, 11},
        {&s.boxCode, 12},
        {&s.polygonCode, 14},
        {&s.ellipseCode, 16},
        {&s.starCode, 18},
        {&s.lineCode, 24},
        {&s.arcCode, 27},
        {&s.pieCode, 28},
        {&s.paintCode, 29},
        {&s.bitmapCode, 30},
        {&s.textCode, 32},
    };
    for (const auto& p : placements) *p.text = '[' + std::to_string(p.section) + "]\r\n";
    s.globalDecls = "  GLOBAL sName AS STRING\r\n";
    s.requests.previewRequest = 1;

    const SectionTable sections = ComposeSections(s);
    for (const auto& p : placements)
        EXPECT_EQ(sections[p.section], *p.text) << "section " << p.section;
    EXPECT_EQ(sections[1], "  GLOBAL sName AS STRING\r\n\r\n");
    EXPECT_EQ(sections[3], "");
    EXPECT_EQ(sections[6], "   LOCAL hwin AS LONG \r\n\r\n");
    EXPECT_EQ(sections[44], " END SUB \r\n\r\n");
    for (std::size_t i : {13, 15, 17, 19, 20, 21, 22, 23, 25, 26, 31, 33, 34, 38, 40, 42, 45, 51}) {
        EXPECT_EQ(sections[i], "") << "section " << i;
    }
}

TEST(ComposeSections, ObjectsComeOutGroupedByKind) {
    DesignState state = WindowOnlyDesign();
    state.ellipseCode = "   GRAPHIC ELLIPSE placed first\r\n\r\n";
    state.boxCode = "   GRAPHIC BOX placed second\r\n\r\n";
    const std::string text = ClipboardText(ComposeSections(state), 1);
    EXPECT_LT(text.find("GRAPHIC BOX"), text.find("GRAPHIC ELLIPSE"));
}

TEST(ComposeSections, DoStringRoutineOnlyForStringVariables) {
    DesignState state = WindowOnlyDesign();
    state.textCode = "   GRAPHIC PRINT \"text\"\r\n\r\n";
    EXPECT_EQ(ClipboardText(ComposeSections(state), 1).find("SUB DoString"), std::string::npos);

    state.doStringBody = "   GRAPHIC PRINT sName\r\n\r\n";
    EXPECT_EQ(ComposeSections(state)[3],
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
        int moveToBack;
        std::string section11, section26, section33;
    };
    const std::string step = "   GRAPHIC LINE STEP - (5, 6)\r\n\r\n";
    const std::string box = "   GRAPHIC BOX shifted\r\n\r\n";
    const std::string back = "   GRAPHIC ELLIPSE sent back\r\n\r\n";
    const std::vector<Case> cases = {
        {"no preview", "", 0, back, "", ""},
        {"line step with the lines", step, 0, back, step, ""},
        {"other objects after everything", box, 0, back, "", box},
        {"sent to the back in front of the back layer", box, 1, box + back, "", ""},
    };
    for (const auto& c : cases) {
        DesignState state = WindowOnlyDesign();
        state.backLayerCode = back;
        state.movePreviewStatement = c.preview;
        state.moveToBackRequest = c.moveToBack;
        const SectionTable sections = ComposeSections(state);
        EXPECT_EQ(sections[11], c.section11) << c.name;
        EXPECT_EQ(sections[26], c.section26) << c.name;
        EXPECT_EQ(sections[33], c.section33) << c.name;
    }
}

}  // namespace
}  // namespace gridlet
