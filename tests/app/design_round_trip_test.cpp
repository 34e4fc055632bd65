// A design with every kind of object, saved on the way out and opened in a fresh start: the same
// screen, the same code, and new objects go on from there.

#include <ostream>

#include "app/design_files_fixture.h"
#include "design/grid_markers.h"
#include "design/object_block.h"
#include "model/design_changes.h"
#include "output/design_file.h"
#include "platform/input_events.h"
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
    const std::size_t globals = design.globalDecls.size() - 2;
    EXPECT_EQ(Build(), built.substr(0, globals) + "\r\n" + built.substr(globals))
        << "the same code, with the line end each opening adds to the globals";

    Area(5, 50, 8, 60);
    Click(11, 5);  // Rectang
    EXPECT_NE(Build().find("' [[  " + std::to_string(lastObject + 1) + "  ]]"), std::string::npos)
        << "a new object goes on from the stored object number";
}

// Designs placed through the tools, saved on the way out and opened again: the objects come back
// with their numbers, values, blocks and marks, and Undo takes them back newest first, each step
// showing the screen the design showed with the objects before it.
class ReopenScripts : public DesignRoundTripTest {
  public:
    void PlaceEverything() {
        PlaceEveryKind();
        Area(3, 60, 6, 75);
        Click(2, 5);  // Text from the left strip
        Type("Say \"hi\" to everyone here");
        OkText();
        Area(8, 60, 8, 70);
        Click(26, 86);  // AddStr: named, finished, moved a step and printed by a preview
        Click(16, 40);
        TypeLine("sName");
        Click(21, 50);
        Click(16, 68);
        Click(10, 43);
        Type(" ");
        AcceptMove();
    }
    void PlaceBackgroundAndBackLayer() {
        Area(2, 12, 40, 79);
        Click(35, 5);  // Window
        Area(20, 30, 20, 30);
        Click(23, 5);  // PaintBo as the first object: the background
        PropertiesOk();
        Area(5, 20, 10, 40);
        Click(11, 86);  // Rectang, sent to the back
        PropertiesOk();
        Click(13, 66);
        AcceptMove();
        Area(12, 20, 16, 40);
        Click(14, 86);  // Ellipse, moved right twice
        PropertiesOk();
        Click(16, 68);
        Click(16, 68);
        AcceptMove();
        Area(24, 20, 28, 40);
        Click(2, 86);  // Text from the right strip, sent to the back
        backend.Script(KeyEvent('\r'));
        PropertiesOk();
        Type("Behind");
        OkText();
        Click(13, 66);
        AcceptMove();
        Area(30, 20, 33, 30);
        Click(26, 86);  // AddStr, left where it was marked: nothing printed
        Click(16, 40);
        TypeLine("sOther");
        Click(21, 50);
        AcceptMove();
        Area(35, 20, 36, 30);
        Click(11, 5);  // Rectang
    }
    void OkText() { backend.Script(ExtendedKeyEvent(AltLetterScanCode('o'))); }
};

struct ReopenCase {
    const char* name;
    void (ReopenScripts::*place)();
};

void PrintTo(const ReopenCase& c, std::ostream* out) {
    *out << c.name;
}

class ReopenedObjectsTest : public ReopenScripts, public testing::WithParamInterface<ReopenCase> {};

// The rows where two screens differ, for a failure's message.
std::string RowsDiffering(const std::string& one, const std::string& other) {
    std::string rows;
    const std::size_t rowBytes = 4 * kScreenWidth;
    for (std::size_t at = 0; at < one.size() && at < other.size(); at += rowBytes) {
        if (one.compare(at, rowBytes, other, at, rowBytes) != 0)
            rows += std::to_string(at / rowBytes + 1) + " ";
    }
    return rows;
}

// What a mark leaves on a screen of its own.
std::string MarkAlone(Screen& screen, const GridMark& mark) {
    screen.RestoreScreen(std::string(4 * std::size_t{kScreenWidth} * kScreenHeight, '\0'));
    DrawMark(screen, mark);
    std::string drawn;
    screen.SaveScreen(drawn);
    return drawn;
}

// The screens Undo shows from the newest object to the first, from the design as placed.
std::vector<std::string> UndoScreens(Screen& screen, Design design) {
    std::vector<std::string> screens;
    std::string now;
    screen.SaveScreen(now);
    while (UndoChange(design)) {
        RedrawGrid(screen, design);
        screens.emplace_back();
        screen.SaveScreen(screens.back());
    }
    screen.RestoreScreen(now);
    return screens;
}

TEST_P(ReopenedObjectsTest, ObjectsComeBackAndUndoTakesThemBackInTurn) {
    WriteBmp(folder.path / "pic.bmp", 200, 50);
    (this->*GetParam().place)();
    EXPECT_FALSE(RunMainLoop());
    const Design placed = design;
    const std::string built = Build();
    const std::vector<std::string> undoScreens = UndoScreens(screen, design);
    ASSERT_EQ(undoScreens.size(), placed.objects.size());

    AskToSave();
    TypeLine("mine");
    Type("y");
    ASSERT_TRUE(RunMainLoop());
    design = Design{};
    pass = PassState{};
    console.ClearScreen();
    Type(" y");
    TypeLine("mine.GDL");
    RunStartUp();
    const std::string opened = ScreenBytes();
    const std::size_t globals = placed.globalDecls.size();
    const std::string openedBuild = built.substr(0, globals) + "\r\n" + built.substr(globals);
    EXPECT_EQ(Build(), openedBuild) << "with the line end each opening adds to the globals";

    // The values a block does not write (a paint's second corner, say) are not asked for; the
    // block built again from the values read is.
    ASSERT_EQ(design.objects.size(), placed.objects.size());
    for (std::size_t i = 0; i < placed.objects.size(); ++i) {
        const DesignObject& before = placed.objects[i];
        const DesignObject& after = design.objects[i];
        SCOPED_TRACE(testing::Message() << "object " << i << ": " << before.block);
        EXPECT_FALSE(after.keptAsWritten);
        EXPECT_EQ(after.number, before.number);
        EXPECT_EQ(after.kind, before.kind);
        EXPECT_EQ(after.block, before.block);
        EXPECT_EQ(BuildObjectBlock(after), before.block);
        EXPECT_EQ(after.destination, before.destination);
        EXPECT_EQ(after.rebuilt, before.rebuilt);
        EXPECT_EQ(after.values.x1, before.values.x1);
        EXPECT_EQ(after.values.y1, before.values.y1);
        EXPECT_EQ(after.values.properties, before.values.properties);
        EXPECT_EQ(after.values.text, before.values.text);
        EXPECT_EQ(after.values.name, before.values.name);
        EXPECT_EQ(after.values.bitmapPath, before.values.bitmapPath);
        EXPECT_TRUE(MarkAlone(screen, after.mark) == MarkAlone(screen, before.mark))
            << "rows "
            << RowsDiffering(MarkAlone(screen, after.mark), MarkAlone(screen, before.mark));
    }
    screen.RestoreScreen(opened);
    for (const std::string& expected : undoScreens) {
        Type("u");
        RunMainLoop();
        const std::string shown = ScreenBytes();
        EXPECT_TRUE(shown == expected) << "undo " << design.history.undone.size() << ", rows "
                                       << RowsDiffering(shown, expected);
    }
    EXPECT_TRUE(design.history.done.empty());
    for (std::size_t i = 0; i < undoScreens.size(); ++i) Type("r");
    RunMainLoop();
    EXPECT_TRUE(ScreenBytes() == opened);
    EXPECT_EQ(Build(), openedBuild);
}

INSTANTIATE_TEST_SUITE_P(Designs, ReopenedObjectsTest,
                         testing::Values(ReopenCase{"EveryTool", &ReopenScripts::PlaceEverything},
                                         ReopenCase{"BackgroundAndBackLayer",
                                                    &ReopenScripts::PlaceBackgroundAndBackLayer}),
                         [](const testing::TestParamInfo<ReopenCase>& testCase) {
                             return testCase.param.name;
                         });

}  // namespace
}  // namespace gridlet
