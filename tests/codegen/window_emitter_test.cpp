#include "codegen/window_emitter.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace gridlet {
namespace {

void Mark(DesignState& s, int top, int left, int bottom, int right) {
    s.AreaTop = top;
    s.AreaLeft = left;
    s.AreaBottom = bottom;
    s.AreaRight = right;
}

TEST(EmitWindow, WritesHeaderWindowAndNumbers) {
    DesignState state;
    Mark(state, 5, 20, 30, 49);
    ASSERT_TRUE(EmitWindow(state));
    EXPECT_EQ(state.windowExists, 1);
    EXPECT_EQ(state.windowLeftCol, 20);
    EXPECT_EQ(state.windowTopRow, 5);
    // 11.45 x 30 is 343.5 exactly but 343.49999 in single precision.
    EXPECT_EQ(state.windowX, 103);
    EXPECT_EQ(state.windowY, 115);
    EXPECT_EQ(state.windowWidth, 343);
    EXPECT_EQ(state.windowHeight, 603);
    EXPECT_EQ(state.subHeader, " SUB GraficWin ()\r\n\r\n");
    EXPECT_EQ(state.windowCode,
              "   GRAPHIC WINDOW \" Example for PBCC5 or PBwin9 \", 103, 115, 343, 603 TO hWin\r\n"
              "   GRAPHIC ATTACH hWin, 0 \r\n");
    EXPECT_EQ(state.windowBackgroundCode, "   GRAPHIC COLOR 0,%WHITE\r\n   GRAPHIC CLEAR\r\n\r\n");
    EXPECT_EQ(state.objectNumber, 0);
}

TEST(EmitWindow, LeftColumnTenGivesANegativeX) {
    DesignState state;
    Mark(state, 1, 10, 20, 40);
    EmitWindow(state);
    EXPECT_EQ(state.windowX, -12);
    EXPECT_NE(state.windowCode.find("\",-12, 23,"), std::string::npos) << state.windowCode;
}

TEST(EmitWindow, BackgroundFollowsFillColourAndStyle) {
    struct Case {
        std::string name;
        std::function<void(Properties&)> choose;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"no fill colour", [](Properties& p) { p.fillColor = ""; },
         "   GRAPHIC COLOR %BLACK, %WHITE\r\n   GRAPHIC CLEAR\r\n\r\n"},
        {"style 0 with chosen colours",
         [](Properties& p) {
             p.edgeColor = "255";
             p.fillColor = "%BLUE";
         },
         "   GRAPHIC COLOR 255,%BLUE\r\n   GRAPHIC CLEAR\r\n\r\n"},
        // 11.45 x 10 + 7 is 121.5 exactly but 121.49999 in single precision.
        {"style 3 draws a frame box", [](Properties& p) { p.fillStyle = "3"; },
         "   GRAPHIC BOX (3, 4) - (121, 598),0,0,%WHITE,3        ' [[  2  ]] \r\n\r\n"},
    };
    for (const auto& c : cases) {
        DesignState state;
        state.objectNumber = 2;
        Mark(state, 5, 20, 30, 30);
        c.choose(state.properties);
        EmitWindow(state);
        EXPECT_EQ(state.windowBackgroundCode, c.expected) << c.name;
    }
}

TEST(EmitWindow, SecondWindowChangesNothing) {
    DesignState state;
    Mark(state, 5, 20, 30, 49);
    EmitWindow(state);
    const DesignState before = state;
    Mark(state, 2, 12, 8, 18);
    state.properties.fillStyle = "3";
    EXPECT_FALSE(EmitWindow(state));
    EXPECT_EQ(state.windowLeftCol, before.windowLeftCol);
    EXPECT_EQ(state.windowWidth, before.windowWidth);
    EXPECT_EQ(state.windowCode, before.windowCode);
    EXPECT_EQ(state.windowBackgroundCode, before.windowBackgroundCode);
}

}  // namespace
}  // namespace gridlet
