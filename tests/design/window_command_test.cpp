#include "design/window_command.h"

#include <gtest/gtest.h>

namespace gridlet {
namespace {

TEST(CreateWindow, TakesTheAreaAndTheEmittedTexts) {
    Design design;
    ASSERT_TRUE(CreateWindow(design, {5, 20, 30, 49}, Properties{}));
    EXPECT_EQ(design.windowExists, 1);
    EXPECT_EQ(design.windowTopRow, 5);
    EXPECT_EQ(design.windowLeftCol, 20);
    EXPECT_EQ(design.windowBottomRow, 30);
    EXPECT_EQ(design.windowRightCol, 49);
    EXPECT_EQ(design.windowX, 103);
    EXPECT_EQ(design.windowY, 115);
    EXPECT_EQ(design.windowWidth, 343);
    EXPECT_EQ(design.windowHeight, 603);
    EXPECT_EQ(design.subHeader, " SUB GraficWin ()\r\n\r\n");
    EXPECT_NE(design.windowCode.find(" 103, 115, 343, 603 TO hWin"), std::string::npos);
    EXPECT_EQ(design.windowBackgroundCode, "   GRAPHIC COLOR 0,%WHITE\r\n   GRAPHIC CLEAR\r\n\r\n");
    EXPECT_EQ(design.objectNumber, 0);
}

TEST(CreateWindow, SecondWindowChangesNothing) {
    Design design;
    CreateWindow(design, {5, 20, 30, 49}, Properties{});
    const Design before = design;
    Properties frame;
    frame.fillStyle = "3";
    EXPECT_FALSE(CreateWindow(design, {2, 12, 8, 18}, frame));
    EXPECT_EQ(design.windowLeftCol, before.windowLeftCol);
    EXPECT_EQ(design.windowBottomRow, before.windowBottomRow);
    EXPECT_EQ(design.windowWidth, before.windowWidth);
    EXPECT_EQ(design.windowCode, before.windowCode);
    EXPECT_EQ(design.windowBackgroundCode, before.windowBackgroundCode);
}

}  // namespace
}  // namespace gridlet
