// A design with every kind of object, saved on the way out and opened in a fresh start: the same
// screen, the same code, and new objects go on from there.

#include <functional>

#include "app/design_code.h"
#include "app/design_files_fixture.h"
#include "output/design_file.h"
#include "output/open_design.h"
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
    // The program as a new run has it, with the main screen painted.
    void Restart() {
        design = Design{};
        pass = PassState{};
        console.ClearScreen();
        PaintMainScreen(screen);
    }
    // Opens the file as `gridlet NAME` does and saves it again at once with Ctrl+S.
    void OpenAndSave(const std::string& name) {
        Restart();
        Type(" ");
        RunStartUp(GivenDesign{folder / name, ReadDesignFile(folder / name)});
        Type("\x13");
        RunMainLoop();
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

// Opening a design and saving it again without a change writes the same bytes, and the code of
// --code stays the same.
TEST_F(DesignRoundTripTest, OpeningAndSavingAgainWritesTheSameFile) {
    WriteBmp(folder.path / "pic.bmp", 200, 50);
    const struct {
        const char* name;
        std::function<void()> make;
    } designs[] = {
        {"empty", [] {}},
        {"every kind",
         [this] {
             PlaceEveryKind();
             RunMainLoop();
         }},
        {"texts with quotes and commas",
         [this] {
             MakeWindow();
             RunMainLoop();
             design.globalDecls = "  GLOBAL sName AS STRING\r\n  GLOBAL sTwo AS STRING\r\n";
             design.doStringBody = "   GRAPHIC SET POS ( 50,  60)\r\n   GRAPHIC PRINT sName\r\n";
             design.textCode = "   GRAPHIC PRINT \"Say \"\"hi\"\", then, go\"\r\n\r\n";
             design.mainAssignments = "    sName = \"a, \"\"b\"\"\"\r\n    sTwo = \",\"\r\n";
         }},
    };
    for (const auto& d : designs) {
        SCOPED_TRACE(d.name);
        Restart();
        d.make();
        Type("\x13");
        TypeLine("d");
        Type("y");
        RunMainLoop();
        const std::string saved = folder.Read("d.GDL");
        ASSERT_NE(saved, "");
        const std::optional<std::string> code = DesignCode(ReadDesignFile(folder / "d.GDL"), false);

        OpenAndSave("d.GDL");
        EXPECT_TRUE(folder.Read("d.GDL") == saved);
        EXPECT_EQ(DesignCode(ReadDesignFile(folder / "d.GDL"), false), code);
        std::filesystem::remove(folder.path / "d.GDL");
    }
}

// A file of an earlier version holds a line end in its globals for every time it was opened and
// saved: it opens, and its first save writes it as a design saved once.
TEST_F(DesignRoundTripTest, AFileWithTheLineEndsOfEarlierCyclesIsSavedInTheCalmForm) {
    MakeWindow();
    RunMainLoop();
    design.globalDecls = "  GLOBAL sName AS STRING\r\n";
    Type("\x13");
    TypeLine("d");
    Type("y");
    RunMainLoop();
    const std::string calm = folder.Read("d.GDL");
    DesignFileContents older = DecodeDesignFile(calm);
    older.sections[Section::GlobalDecls] += "\r\n\r\n\r\n";
    folder.Write("d.GDL", EncodeDesignFile(older.screenImage, older.sections));

    OpenAndSave("d.GDL");
    EXPECT_TRUE(folder.Read("d.GDL") == calm);
}

}  // namespace
}  // namespace gridlet
