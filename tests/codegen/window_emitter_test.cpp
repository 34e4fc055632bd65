#include "codegen/window_emitter.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace gridlet {
namespace {

TEST(EmitWindow, WritesHeaderWindowAndNumbers) {
    const WindowTexts window = EmitWindow({5, 20, 30, 49}, Properties{}, 0, "");
    // 11.45 x 30 is 343.5 exactly but 343.49999 in single precision.
    EXPECT_EQ(window.windowX, 103);
    EXPECT_EQ(window.windowY, 115);
    EXPECT_EQ(window.windowWidth, 343);
    EXPECT_EQ(window.windowHeight, 603);
    EXPECT_EQ(window.subHeader, " SUB GraficWin ()\r\n\r\n");
    EXPECT_EQ(window.windowCode,
              "   GRAPHIC WINDOW \" Example for PBCC5 or PBwin9 \", 103, 115, 343, 603 TO hWin\r\n"
              "   GRAPHIC ATTACH hWin, 0 \r\n");
    EXPECT_EQ(window.windowBackgroundCode, "   GRAPHIC COLOR 0,%WHITE\r\n   GRAPHIC CLEAR\r\n\r\n");
}

TEST(EmitWindow, LeftColumnTenGivesANegativeX) {
    const WindowTexts window = EmitWindow({1, 10, 20, 40}, Properties{}, 0, "");
    EXPECT_EQ(window.windowX, -12);
    EXPECT_NE(window.windowCode.find("\",-12, 23,"), std::string::npos) << window.windowCode;
}

// A clearing background replaces what was there; a frame box is added after it.
TEST(EmitWindow, BackgroundFollowsFillColourAndStyle) {
    struct Case {
        std::string name;
        std::function<void(Properties&)> choose;
        std::string expected;
    };
    const std::string earlier = "   ' earlier\r\n";
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
         earlier + "   GRAPHIC BOX (3, 4) - (121, 598),0,0,%WHITE,3        ' [[  2  ]] \r\n\r\n"},
    };
    for (const auto& c : cases) {
        Properties properties;
        c.choose(properties);
        EXPECT_EQ(EmitWindow({5, 20, 30, 30}, properties, 2, earlier).windowBackgroundCode,
                  c.expected)
            << c.name;
    }
}

}  // namespace
}  // namespace gridlet
