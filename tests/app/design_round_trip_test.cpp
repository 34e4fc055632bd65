// A design with every kind of object, saved on the way out and opened in a fresh start: the same
// screen, the same code, and new objects go on from there.

#include "app/design_files_fixture.h"
#include "output/design_file.h"
#include "support/bmp_file.h"

namespace gridlet {
namespace {

class DesignRoundTripTest : public DesignFilesFixture {
  protected:
    void Area(int top, int left, int bottom, int right) {
        Click(top, left);
        Click(bottom, right);
    }
    void PropertiesOk() { Click(25, 46); }
    void AcceptMove() { Click(22, 43); }

    // Every drawing tool through the mouse, as a user places them.
    void PlaceEveryKind() {
        Area(2, 12, 40, 79);
        Click(35, 5);  // Window
        Area(5, 20, 10, 40);
        Click(11, 86);  // Rectang from the right strip: its properties, then the move menu
        PropertiesOk();
        AcceptMove();
        Area(12, 20, 16, 40);
        Click(14, 5);  // Ellipse
        Area(18, 20, 18, 40);
        Click(17, 5);  // Line
        Area(20, 20, 25, 30);
        Click(8, 5);  // Poly
        Area(20, 40, 25, 50);
        Click(5, 5);  // Star
        Area(27, 20, 31, 30);
        Click(38, 5);  // ARC: L-top, Bottom, then its properties
        Click(10, 30);
        Click(24, 47);
        PropertiesOk();
        Area(27, 40, 31, 50);
        Click(41, 5);  // PIE: Right, Top
        Click(16, 67);
        Click(8, 47);
        PropertiesOk();
        Area(33, 20, 33, 20);
        Click(23, 5);  // PaintBo: not the first object, so the move menu too
        PropertiesOk();
        AcceptMove();
        Area(33, 40, 33, 40);
        Click(26, 5);  // PaintRP
        PropertiesOk();
        Area(35, 20, 36, 30);
        Click(20, 5);  // LineStp
        AcceptMove();
        Area(36, 40, 38, 50);
        Click(29, 5);  // BMP at its own size
        TypeLine("pic.bmp");
        AcceptMove();
        Area(36, 55, 39, 70);
        Click(32, 5);  // BmpStrh
        TypeLine("pic.bmp");
    }
    std::string Build() {
        clipboard.text.clear();
        Click(44, 5);
        RunMainLoop();
        return clipboard.text;
    }
};

TEST_F(DesignRoundTripTest, ASavedDesignOpensToTheSameScreenAndCode) {
    WriteBmp(folder.path / "pic.bmp", 200, 50);
    PlaceEveryKind();
    EXPECT_FALSE(RunMainLoop());
    for (auto code : {&Design::boxCode, &Design::ellipseCode, &Design::lineCode,
                      &Design::polygonCode, &Design::starCode, &Design::arcCode, &Design::pieCode,
                      &Design::paintCode, &Design::bitmapCode, &Design::supportFunctions,
                      &Design::typeDecls, &Design::localDecls}) {
        EXPECT_NE(design.*code, "") << "a tool did not place its object";
    }
    // What the text tools add.
    design.globalDecls = "  GLOBAL sName AS STRING\r\n";
    design.doStringBody = "   GRAPHIC SET POS ( 50,  60)\r\n   GRAPHIC PRINT sName\r\n\r\n";
    design.textCode = "   GRAPHIC PRINT \"Hello, world\"\r\n\r\n";
    design.mainAssignments = "    sName = \"100\"\r\n";
    const std::string built = Build();
    const std::int32_t lastObject = design.objectNumber;
    const std::string screenBefore = ScreenBytes();

    AskToSave();
    TypeLine("all");
    Type("y");
    ASSERT_TRUE(RunMainLoop());
    ASSERT_EQ(FilesHere(), "all.GDL pic.bmp ");

    design = Design{};
    pass = PassState{};
    console.ClearScreen();
    Type(" y");
    TypeLine("all.GDL");
    RunStartUp();
    EXPECT_TRUE(ScreenBytes() == screenBefore);
    EXPECT_EQ(design.mainAssignments, "    sName = \"100\"\r\n");
    EXPECT_EQ(Build(), built);

    Area(5, 50, 8, 60);
    Click(11, 5);  // Rectang
    EXPECT_NE(Build().find("' [[  " + std::to_string(lastObject + 1) + "  ]]"), std::string::npos)
        << "a new object goes on from the stored object number";
}

}  // namespace
}  // namespace gridlet
