#include <string>
#include <vector>

#include "design/drawing_tools.h"
#include "design/object_block.h"
#include "design/text_font.h"
#include "design/tool_fixture.h"
#include "design/tool_string.h"
#include "design/tool_text.h"
#include "design/undo.h"
#include "design/window_command.h"
#include "dialogs/font_chooser.h"
#include "model/command_codes.h"
#include "output/compose_program.h"
#include "support/undo_view.h"

namespace gridlet {
namespace {

const std::string kTextHead =
    "   FONT NEW \"Lucida console\", 10, 0, 255, 0, esc TO hFont\r\n\r\n"
    "   GRAPHIC SET FONT hFont\r\n"
    "   GRAPHIC COLOR %BLACK, %WHITE \r\n";
const std::string kStringHead =
    "   FONT NEW \"Lucida console\", 10, 0, 255, 0, esc TO hFont\r\n\r\n"
    "   GRAPHIC SET FONT hFont\r\n\r\n";
// What the chooser gives when it is taken as it opens, after yellow was chosen as edge colour.
std::string ChosenFontHead() {
    return "   GRAPHIC COLOR 65535,%WHITE\r\n   FONT NEW \"" +
           DefaultGuiFont(SystemFonts()).faceName +
           "\",  8,  0,  0,  0, esc TO hFont\r\n   GRAPHIC SET FONT hFont\r\n\r\n";
}

// Window from row 2, column 12, with its code, so that previews draw; the area rows 4-6, columns
// 14-24, ten columns past its left one.
// Every preview the move menu asks for is kept with its sections.
class TextToolTest : public ToolFixture {
  protected:
    void SetUp() override {
        ToolFixture::SetUp();
        CreateWindow(design, {2, 12, 40, 70}, Properties{});
        Mark(4, 14, 6, 24);
        context.composeProgram = [this](Context& c, const OutputRequest& request) {
            backend.ScriptFirst(KeyEvent(' '));  // closes the preview's picture
            previews.push_back(ComposeProgram(c, request));
            EXPECT_TRUE(EverShown(" Graphic window, ")) << "the picture shown";
            EXPECT_FALSE(EverShown(" not drawn")) << "all of it drawn";
            return previews.back();
        };
    }
    void Ok() { backend.Script(ExtendedKeyEvent(AltLetterScanCode('o'))); }
    // The move menu's buttons besides Accept.
    void Preview() { Click(10, 43); }
    void MoveRight() { Click(16, 68); }
    void WiderColumn() { Click(19, 19); }
    void ToBack() { Click(13, 66); }
    // In the properties menu: the edge colour yellow from the colour chooser, then OK.
    void ChooseYellowEdge() {
        Click(10, 45);
        backend.Script({ExtendedKeyEvent(kScanDown), ExtendedKeyEvent(kScanDown),
                        ExtendedKeyEvent(kScanRight), KeyEvent('\r')});
        ClickPropertiesOk();
    }
    // The font chooser taken as it opens: the default GUI font, 8 points, which the head halves.
    void TakeFontChooser() { backend.Script(KeyEvent('\r')); }

    std::vector<SectionTable> previews;
};

TEST_F(TextToolTest, LeftStripTextIsWrappedToTheAreaAndRecorded) {
    StartPass();
    Type("  Hello big world ");
    Ok();
    EXPECT_TRUE(RunDrawingTool(context, kTextCommand));

    const std::string block = kTextHead +
                              "   Xs =  28 : Ys =  48\r\n"
                              "   GRAPHIC CHR SIZE TO nWidth, nHeight\r\n"
                              "   GRAPHIC SET POS ( Xs,  Ys)\r\n"
                              "   GRAPHIC PRINT \"Hello big\"\r\n"
                              "   Ys = Ys + nHeight : GRAPHIC SET POS (Xs, Ys)\r\n"
                              "   GRAPHIC PRINT \"world\"\r\n\r\n"
                              "   FONT END hfont        ' [[  1  ]] \r\n\r\n";
    EXPECT_EQ(design.textCode, block);
    EXPECT_EQ(design.localDecls,
              "   LOCAL esc, HFONT AS LONG\r\n   LOCAL nWidth, nHeight, Xs, Ys AS LONG\r\n\r\n");
    EXPECT_EQ(NewestBlock(design), block);
    EXPECT_EQ(BuildObjectBlock(design.objects.back()), design.objects.back().block);
    EXPECT_EQ(ScreenUndoWouldShow(screen, design), passScreen);
    EXPECT_EQ(design.objectNumber, 1);
    EXPECT_TRUE(pass.current.font.fontHead.empty());
    EXPECT_TRUE(pass.pending.enteredText.empty());
    EXPECT_TRUE(pass.pending.pendingStatement.empty());
    EXPECT_EQ(backend.Pending(), 0u);

    const Frame* pressed = FirstFrameShowing(kLeftTextPressed);
    const Frame* dialog = FirstFrameWithText(" Lucida Console 10 pt ");
    ASSERT_NE(pressed, nullptr);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->time - pressed->time, 300);
    EXPECT_EQ(RowText(4, 14, 24), "\xDA" + std::string(9, '\xC4') + "\xBF");
    EXPECT_EQ(RowText(5, 15, 20), "Static");

    Undo(context);
    EXPECT_TRUE(design.textCode.empty());
    EXPECT_EQ(ScreenBytes(), passScreen);
}

// The right strip's flag lasts one text command, however it ends.
TEST_F(TextToolTest, EmptyEntryGivesTheNumberBackAndEveryEndClearsTheTextFlag) {
    design.objectNumber = 4;
    pass.current.target = PropertiesTarget::Text;
    StartPass();
    Type("   \r ");
    Ok();
    TextTool(context);
    EXPECT_EQ(design.objectNumber, 4);
    EXPECT_TRUE(design.textCode.empty());
    EXPECT_TRUE(NothingToUndo(design));
    EXPECT_EQ(ScreenBytes(), passScreen);
    EXPECT_NE(pass.current.target, PropertiesTarget::Text);

    pass.current.target = PropertiesTarget::Text;
    design.windowExists = 0;
    StartPass();
    backend.Script(KeyEvent('\r'));  // the message
    TextTool(context);
    EXPECT_TRUE(EverShown("You should create your Graphic Window first. "));
    EXPECT_EQ(design.objectNumber, 5) << "a refused text keeps its number used";
    EXPECT_NE(pass.current.target, PropertiesTarget::Text);
    EXPECT_EQ(backend.Pending(), 0u);

    pass.current.target = PropertiesTarget::Text;
    design.windowExists = 1;
    StartPass();
    Type("x");
    Ok();  // and the move menu waits for input that never comes
    EXPECT_THROW(TextTool(context), ScriptExhausted);
    EXPECT_NE(pass.current.target, PropertiesTarget::Text)
        << "not even a command cut short keeps it";
}

TEST_F(TextToolTest, MarkerFollowsTheAreasShape) {
    struct Case {
        CellRect area;
        int row, from, to;
        std::string cells;  // empty: nothing drawn
    };
    const std::vector<Case> cases = {
        {{8, 14, 8, 20}, 8, 14, 20, std::string(7, '\xB1')},
        {{8, 14, 8, 14}, 8, 14, 15, std::string(2, '\xB1')},
        {{8, 14, 9, 19}, 8, 14, 19, "\xDA\xC4\xC4\xC4\xC4\xBF"},  // too narrow for "Static"
        {{8, 14, 10, 14}, 8, 14, 14, ""},
    };
    for (const Case& c : cases) {
        Mark(c.area.top, c.area.left, c.area.bottom, c.area.right);
        StartPass();
        Type("x");
        Ok();
        TextTool(context);
        if (c.cells.empty()) {
            EXPECT_EQ(ScreenBytes(), passScreen);
        } else {
            EXPECT_EQ(RowText(c.row, c.from, c.to), c.cells);
        }
        EXPECT_EQ(RowText(9, 15, 20).find("Static"), std::string::npos);
        if (c.area.top == c.area.bottom) {
            EXPECT_EQ(AttrAt(c.row, c.from), 0x78);
        }
        screen.RestoreScreen(passScreen);
    }
    EXPECT_EQ(design.objectNumber, 4);
}

TEST_F(TextToolTest, RightStripTextTakesFontColoursAndItsColumnLimit) {
    pass.current.target = PropertiesTarget::Text;
    StartPass();
    TakeFontChooser();
    ChooseYellowEdge();
    TextPropertiesSetUp(context);
    EXPECT_EQ(pass.current.font.fontHead, ChosenFontHead());
    EXPECT_EQ(design.localDecls, "   LOCAL esc, HFONT AS LONG\r\n");

    Type("Hello big world");
    Ok();
    ClickMoveAccept();
    TextTool(context);
    EXPECT_TRUE(EverShown(" " + DefaultGuiFont(SystemFonts()).faceName + " 8 pt "));  // the title
    EXPECT_EQ(pass.pending.lineLimitColumn, 26)
        << "twelve characters of 8 points in eleven columns";
    EXPECT_EQ(design.textCode, ChosenFontHead() +
                                   "   Xs =  28 : Ys =  48\r\n"
                                   "   GRAPHIC CHR SIZE TO nWidth, nHeight\r\n"
                                   "   GRAPHIC SET POS ( Xs,  Ys)\r\n"
                                   "   GRAPHIC PRINT \"Hello big\"\r\n"
                                   "   Ys = Ys + nHeight : GRAPHIC SET POS (Xs, Ys)\r\n"
                                   "   GRAPHIC PRINT \"world\"\r\n\r\n"
                                   "   FONT END hfont        ' [[  1  ]] \r\n\r\n");
    EXPECT_EQ(design.localDecls,
              "   LOCAL esc, HFONT AS LONG\r\n   LOCAL nWidth, nHeight, Xs, Ys AS LONG\r\n\r\n");
    EXPECT_NE(pass.current.target, PropertiesTarget::Text);
    EXPECT_TRUE(pass.current.font.chosen.faceName.empty()) << "the next dialog shows the default";
    EXPECT_TRUE(pass.current.properties.edgeColor.empty());
    EXPECT_EQ(backend.Pending(), 0u);
}

// A text placed from the right strip with a 6-point font: sixteen characters a line, unless the
// move menu widens it.
class RightStripTextTest : public TextToolTest {
  protected:
    void StartRightStripText(const std::string& text) {
        pass.current.target = PropertiesTarget::Text;
        pass.current.font.chosen.pointSize = 6;
        pass.current.font.fontHead = kTextHead;
        StartPass();
        Type(text);
        Ok();
    }
    static std::string Block(const std::string& xs, const std::string& lines) {
        return kTextHead + "   Xs = " + xs +
               " : Ys =  48\r\n"
               "   GRAPHIC CHR SIZE TO nWidth, nHeight\r\n"
               "   GRAPHIC SET POS ( Xs,  Ys)\r\n" +
               lines + "\r\n   FONT END hfont        ' [[  1  ]] \r\n\r\n";
    }
};

TEST_F(RightStripTextTest, MovesAndColumnWidthCountWithoutAPreview) {
    StartRightStripText("Hello big worlds again");
    WiderColumn();
    WiderColumn();
    MoveRight();
    ClickMoveAccept();
    TextTool(context);
    EXPECT_EQ(pass.pending.lineLimitColumn, 32);
    EXPECT_EQ(design.textCode, Block(" 29",
                                     "   GRAPHIC PRINT \"Hello big worlds\"\r\n"
                                     "   Ys = Ys + nHeight : GRAPHIC SET POS (Xs, Ys)\r\n"
                                     "   GRAPHIC PRINT \"again\"\r\n"));
    EXPECT_TRUE(previews.empty());
    EXPECT_NE(pass.current.target, PropertiesTarget::Text);
}

TEST_F(RightStripTextTest, PreviewShowsTheTextAsItStandsThen) {
    StartRightStripText("Hello big worlds again");
    MoveRight();
    Preview();
    ClickMoveAccept();
    TextTool(context);
    const std::string block = Block(" 29",
                                    "   GRAPHIC PRINT \"Hello big\"\r\n"
                                    "   Ys = Ys + nHeight : GRAPHIC SET POS (Xs, Ys)\r\n"
                                    "   GRAPHIC PRINT \"worlds again\"\r\n");
    ASSERT_EQ(previews.size(), 1u);
    EXPECT_EQ(previews[0].At(33), block);
    EXPECT_EQ(design.textCode, block);
}

TEST_F(RightStripTextTest, SentToTheBackAndUndoneFromThere) {
    StartRightStripText("Hi");
    ToBack();
    ClickMoveAccept();
    TextTool(context);
    const std::string block = Block(" 28", "   GRAPHIC PRINT \"Hi\"\r\n");
    EXPECT_TRUE(design.textCode.empty());
    EXPECT_EQ(design.backLayerCode, block);
    EXPECT_EQ(NewestBlock(design), block);
    EXPECT_EQ(BuildObjectBlock(design.objects.back()), design.objects.back().block);
    Undo(context);
    EXPECT_TRUE(design.backLayerCode.empty());
    EXPECT_TRUE(NothingToUndo(design));
}

TEST(FontColumnLimit, CharactersOfThePointSizeInTheAreasPixels) {
    EXPECT_EQ(FontColumnLimit(14, 24, 6.0f), 30);
    EXPECT_EQ(FontColumnLimit(20, 39, 12.0f), 35);
    EXPECT_EQ(FontColumnLimit(20, 20, 40.0f), 20) << "less than a character: the left column";
    EXPECT_EQ(FontColumnLimit(14, 24, 0.0f), 24) << "no size: the area's right column";
}

// The string panel's places.
constexpr int kColourRow = 12, kColourCol = 35;
constexpr int kFontRow = 12, kFontCol = 60;
constexpr int kNameRow = 16, kNameCol = 40;
constexpr int kFinishRow = 21, kFinishCol = 50;

class StringToolTest : public TextToolTest {
  protected:
    void Name(const std::string& name) {
        Click(kNameRow, kNameCol);
        TypeLine(name);
    }
    void Finish() { Click(kFinishRow, kFinishCol); }
    // Named and finished; the move menu that follows is accepted, after a preview one pixel to
    // the right when asked.
    void Place(const std::string& name, bool preview = false) {
        Name(name);
        Finish();
        if (preview) {
            MoveRight();
            Preview();
        }
        ClickMoveAccept();
    }
    static std::string PositionPart(const std::string& name) {
        return "   GRAPHIC COLOR 0,%WHITE\r\n   GRAPHIC SET POS (  27,  36)\r\n   GRAPHIC PRINT " +
               name + "\r\n\r\n";
    }
};

TEST_F(StringToolTest, NamedVariableIsDeclaredAssignedAndGetsItsHead) {
    StartPass();
    Place(" sName ");
    EXPECT_TRUE(RunDrawingTool(context, kAddStrCommand));

    EXPECT_EQ(design.globalDecls, "  GLOBAL sName AS STRING\r\n");
    EXPECT_EQ(design.mainAssignments, "    sName = \"100\"\r\n");
    EXPECT_EQ(design.doStringBody, kStringHead) << "without a preview of its place, nothing prints";
    EXPECT_EQ(NewestBlock(design), kStringHead);
    EXPECT_EQ(BuildObjectBlock(design.objects.back()), design.objects.back().block);
    EXPECT_EQ(ScreenUndoWouldShow(screen, design), passScreen);
    EXPECT_EQ(ScreenBytes(), passScreen) << "no marker on an area of several rows";
    EXPECT_EQ(
        (std::vector<int>{pass.pending.x1, pass.pending.y1, pass.pending.x2, pass.pending.y2}),
        (std::vector<int>{26, 36, 140, 96}));
    EXPECT_EQ(design.objectNumber, 1);
    EXPECT_TRUE(pass.current.font.fontHead.empty());
    EXPECT_NE(FirstFrameShowing(kStringPanel), nullptr);
    EXPECT_NE(FirstFrameShowing(kStringNamePressed), nullptr);
    EXPECT_NE(FirstFrameShowing(kStringFinishPressed), nullptr);
    EXPECT_EQ(backend.Pending(), 0u);
}

TEST_F(StringToolTest, PreviewPrintsTheVariableWhereItWasMoved) {
    StartPass();
    Place("sName", true);
    StringTool(context);
    ASSERT_EQ(previews.size(), 1u);
    EXPECT_EQ(previews[0].At(3), " SUB DoString\r\n   LOCAL esc, hfont, Xs, Ys AS LONG\r\n\r\n" +
                                     kStringHead + PositionPart("sName") +
                                     "     FONT END hfont\r\n End SUB\r\n\r\n");
    EXPECT_EQ(previews[0].At(33), "") << "nothing of it among the GraficWin objects";
    EXPECT_EQ(design.doStringBody, kStringHead + PositionPart("sName"));
    EXPECT_EQ(NewestBlock(design), kStringHead + PositionPart("sName"));
    EXPECT_EQ(BuildObjectBlock(design.objects.back()), design.objects.back().block);
    EXPECT_EQ(pass.pending.moveMenuMode, MoveMenuMode::Object);
}

TEST_F(StringToolTest, ThreeVariablesCountUpAndUndoTakesBackOnlyThePlace) {
    for (const char* name : {"s1", "s2", "s3"}) {
        StartPass();
        Place(name, true);
        StringTool(context);
    }
    EXPECT_EQ(design.mainAssignments,
              "    s1 = \"100\"\r\n    s2 = \"200\"\r\n    s3 = \"300\"\r\n");
    const std::string globals =
        "  GLOBAL s1 AS STRING\r\n  GLOBAL s2 AS STRING\r\n  GLOBAL s3 AS STRING\r\n";
    EXPECT_EQ(design.globalDecls, globals);
    const std::string firstTwo =
        kStringHead + PositionPart("s1") + kStringHead + PositionPart("s2") + kStringHead;
    EXPECT_EQ(design.doStringBody, firstTwo + PositionPart("s3"));

    Undo(context);
    EXPECT_EQ(design.doStringBody, firstTwo) << "the last place goes, its font head stays";
    EXPECT_EQ(design.globalDecls, globals);
    EXPECT_EQ(NewestBlock(design), kStringHead + PositionPart("s2"));
    EXPECT_EQ(design.stringCounter, 3);
}

TEST_F(StringToolTest, LeavingWithoutANameMakesNothingAndKeepsAChosenFont) {
    design.objectNumber = 2;
    StartPass();
    Click(kFontRow, kFontCol);
    TakeFontChooser();
    backend.Script(KeyEvent(kEscKey));
    StringTool(context);
    EXPECT_EQ(design.objectNumber, 2);
    EXPECT_TRUE(design.globalDecls.empty());
    EXPECT_TRUE(design.mainAssignments.empty());
    EXPECT_TRUE(design.doStringBody.empty());
    EXPECT_TRUE(NothingToUndo(design));
    EXPECT_EQ(ScreenBytes(), passScreen);
    EXPECT_NE(pass.current.font.fontHead.find("   FONT NEW \""), std::string::npos);

    StartPass();
    Click(kFinishRow, kFinishCol);
    StringTool(context);
    EXPECT_EQ(design.objectNumber, 2);
    EXPECT_TRUE(design.doStringBody.empty());
    EXPECT_EQ(design.stringCounter, 0);
}

TEST_F(StringToolTest, ColourAndFontButtonsMakeTheHead) {
    StartPass();
    Click(kColourRow, kColourCol);
    ChooseYellowEdge();
    Click(kFontRow, kFontCol);
    TakeFontChooser();
    Click(kFinishRow, 30);  // the Finish row beside the button: shown pressed, panel stays
    Place("sTitle");
    StringTool(context);
    EXPECT_NE(FirstFrameShowing(kStringColorPressed), nullptr);
    EXPECT_NE(FirstFrameShowing(kStringFontPressed), nullptr);
    EXPECT_EQ(design.doStringBody, ChosenFontHead());
    EXPECT_EQ(design.globalDecls, "  GLOBAL sTitle AS STRING\r\n");
    EXPECT_EQ(design.localDecls, "   LOCAL esc, HFONT AS LONG\r\n");
    EXPECT_EQ(backend.Pending(), 0u);
}

TEST_F(StringToolTest, OneRowMarkerShowsTheNameCutToTheArea) {
    const struct {
        CellRect area;
        const char* name;
        std::string cells;
    } cases[] = {
        {{8, 14, 8, 18}, "ab", "ab\xB1\xB1\xB1"},
        {{8, 14, 8, 18}, "toolong", "toolo"},
        {{8, 14, 8, 14}, "n", "n\xB1"},
    };
    for (const auto& c : cases) {
        Mark(c.area.top, c.area.left, c.area.bottom, c.area.right);
        StartPass();
        Place(c.name);
        StringTool(context);
        EXPECT_EQ(RowText(8, 14, 13 + static_cast<int>(c.cells.size())), c.cells) << c.name;
        EXPECT_EQ(AttrAt(8, 14), 0x78);
        EXPECT_EQ(console.CellAt(8, 14 + static_cast<int>(c.cells.size())).ch,
                  static_cast<std::uint8_t>(passScreen[4 * (7 * 90 + 13 + c.cells.size())]))
            << "nothing past the area";
        EXPECT_EQ(ScreenUndoWouldShow(screen, design), passScreen);
        Undo(context);
    }
}

}  // namespace
}  // namespace gridlet
