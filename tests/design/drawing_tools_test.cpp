#include "design/drawing_tools.h"

#include "design/object_block.h"
#include "design/tool_fixture.h"
#include "model/command_codes.h"
#include "support/undo_view.h"

namespace gridlet {
namespace {

// What a tool asks for before it builds its block.
enum class Dialogs { None, Properties, ArcThenProperties, BitmapFile };

struct PlacementCase {
    const char* name;
    std::int16_t command;      // kNoCommand for paint replace, which the main loop runs itself
    const ImageInfo* pressed;  // the tool's own pressed button
    bool numberFirst;          // the object number is taken before the pressed button shows
    Dialogs dialogs;
    PropertiesTarget target;  // set before the tool, as the right strip does
    bool clearsTarget;
    std::string Design::*accumulator;
    const char* block;  // {path} stands for the chosen bitmap's full path
    const char* localDecls;
    const char* supportMarker;  // nullptr: no support functions
    // The time the first dialog shows, after the start's pause; with no dialog, the time at the
    // end.
    std::int64_t dialogMs;
    bool moveMenu;  // offered before the object is recorded; Accept closes it
};

void PrintTo(const PlacementCase& c, std::ostream* out) {
    *out << c.name;
}

// A text of each tool's first dialog.
const char* FirstDialogText(Dialogs dialogs) {
    switch (dialogs) {
        case Dialogs::Properties:
            return "Pick Line Thickness";
        case Dialogs::ArcThenProperties:
            return "Click this Button to";
        case Dialogs::BitmapFile:
            return "BitMap Files  (*.BMP)";
        case Dialogs::None:
            break;
    }
    return nullptr;
}

class DrawingToolPlacement : public ToolFixture,
                             public ::testing::WithParamInterface<PlacementCase> {};

// Window from row 2, column 12; area rows 4-6, columns 14-20; the object is number 7. So
// x1 = 26, y1 = 50, and the second corner is (95, 96), or (99, 115) with the far offsets.
TEST_P(DrawingToolPlacement, BuildsTheExactBlockAndRecordsIt) {
    const PlacementCase& c = GetParam();
    MakeWindow(2, 12, 40, 70);
    Mark(4, 14, 6, 20);
    design.objectNumber = 6;
    pass.current.target = c.target;
    StartPass();
    switch (c.dialogs) {
        case Dialogs::None:
            break;
        case Dialogs::ArcThenProperties:
            Click(10, 30);  // L-top
            Click(24, 45);  // Bottom
            ClickPropertiesOk();
            break;
        case Dialogs::Properties:
            ClickPropertiesOk();
            break;
        case Dialogs::BitmapFile:
            ChooseBitmap("pic.bmp");
            break;
    }
    if (c.moveMenu) ClickMoveAccept();

    if (c.command == kNoCommand) {
        PaintReplaceTool(context);
    } else {
        EXPECT_TRUE(RunDrawingTool(context, c.command));
    }

    std::string block = c.block;
    const std::size_t path = block.find("{path}");
    if (path != std::string::npos) block.replace(path, 6, InFolder("pic.bmp"));
    EXPECT_EQ(backend.Pending(), 0u);
    EXPECT_EQ(design.*c.accumulator, block);
    EXPECT_EQ(NewestBlock(design), block);
    EXPECT_EQ(BuildObjectBlock(design.objects.back()), design.objects.back().block)
        << "the block comes again from the values it was built from";
    EXPECT_EQ(ScreenUndoWouldShow(screen, design), passScreen);
    EXPECT_EQ(design.objectNumber, 7);
    EXPECT_EQ(design.localDecls, c.localDecls);
    if (c.supportMarker == nullptr) {
        EXPECT_EQ(design.supportFunctions, "");
    } else {
        EXPECT_NE(design.supportFunctions.find(c.supportMarker), std::string::npos);
    }
    if (c.dialogs == Dialogs::None) {
        EXPECT_EQ(clock.TimeOfDayMs(), c.dialogMs);
    } else {
        const Frame* dialog = FirstFrameWithText(FirstDialogText(c.dialogs));
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->time, c.dialogMs);
    }
    if (c.pressed != nullptr) {
        const Frame* frame = FirstFrameShowing(*c.pressed);
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->objectNumber, c.numberFirst ? 7 : 6);
    }
    EXPECT_EQ(FirstFrameShowing(kMoveMenu) != nullptr, c.moveMenu);
    if (c.clearsTarget) {
        EXPECT_EQ(pass.current.target, PropertiesTarget::None);
    }
    EXPECT_NE(pass.current.target, PropertiesTarget::Paint);
}

constexpr const char* kNoLocals = "";
constexpr const char* kStarLocals = "  LOCAL RR1, RR2 AS EXT\r\n  LOCAL sPts AS SINGLE\r\n";
constexpr const char* kPolygonLocals = "    LOCAL RR1, RR2 AS EXT\r\n  LOCAL sPts AS SINGLE\r\n";

INSTANTIATE_TEST_SUITE_P(
    Tools, DrawingToolPlacement,
    ::testing::Values(
        PlacementCase{"Paint", kPaintCommand, &kLeftPaintBoPressed, true, Dialogs::Properties,
                      PropertiesTarget::None, false, &Design::paintCode,
                      "   GRAPHIC PAINT (26, 50),%WHITE,0,0        ' [[  7  ]] \r\n\r\n", kNoLocals,
                      nullptr, 0, true},
        PlacementCase{
            "PaintReplace", kNoCommand, nullptr, false, Dialogs::Properties,
            PropertiesTarget::PaintReplace, false, &Design::paintCode,
            "   GRAPHIC GET PIXEL ( 26,  50) TO lRes& \r\n\r\n"
            "   GRAPHIC PAINT REPLACE (26, 50),%WHITE, lRes&, 0        ' 7 ENDPAINT\r\n\r\n",
            kNoLocals, nullptr, 0, false},
        PlacementCase{"Star", kStarCommand, &kLeftStarPressed, false, Dialogs::None,
                      PropertiesTarget::Star, true, &Design::starCode,
                      "   GRAPHIC WIDTH 2\r\n"
                      "   sPts =  5 \r\n"
                      "   RR1  = fDegree2Radian(180/sPts)    ' Change to (0/sPts) and \r\n"
                      "   RR2  = fDegree2Radian(360/sPts)    ' (180/sPts) to rotate points\r\n"
                      "\r\n"
                      "   GRAPHIC_Star  26,  50,  99,  115, RR1,  46,  67,  78,  97, RR2, sPts,0"
                      "        ' [[  7  ]] \r\n\r\n",
                      kStarLocals, "FUNCTION GRAPHIC_Star", 400, true},
        PlacementCase{"Arc", kArcCommand, &kLeftArcPressed, true, Dialogs::ArcThenProperties,
                      PropertiesTarget::Arc, true, &Design::arcCode,
                      "   GRAPHIC WIDTH 2\r\n"
                      "   GRAPHIC ARC (26, 50) - (95, 96),2.355,4.71,0        ' [[  7  ]] \r\n\r\n",
                      kNoLocals, nullptr, 0, true},
        PlacementCase{"Pie", kPieCommand, &kLeftPiePressed, true, Dialogs::ArcThenProperties,
                      PropertiesTarget::Pie, true, &Design::pieCode,
                      "   GRAPHIC WIDTH 2\r\n"
                      "   GRAPHIC PIE (26, 50) - (95, 96),2.355,4.71,0,%WHITE,0"
                      "        ' [[  7  ]] \r\n\r\n",
                      kNoLocals, nullptr, 0, true},
        PlacementCase{"LineStep", kLineStepCommand, &kLeftLineStpPressed, false, Dialogs::None,
                      PropertiesTarget::None, false, &Design::lineCode,
                      "   GRAPHIC LINE STEP - (26, 50)        ' [[  7  ]] \r\n\r\n", kNoLocals,
                      nullptr, 400, true},
        PlacementCase{
            "StretchedBitmap", kBmpStretchedCommand, &kLeftBmpStrhPressed, false,
            Dialogs::BitmapFile, PropertiesTarget::None, false, &Design::bitmapCode,
            "   GRAPHIC RENDER \"{path}\", (26, 50) - (95, 96)        ' [[  7  ]] \r\n\r\n",
            kNoLocals, nullptr, 500, false},
        PlacementCase{
            "NaturalBitmap", kBmpCommand, &kLeftBmpPressed, false, Dialogs::BitmapFile,
            PropertiesTarget::None, false, &Design::bitmapCode,
            " GRAPHIC RENDER \"{path}\", (26, 50) - (226, 100)         ' [[  7  ]] \r\n\r\n",
            kNoLocals, nullptr, 500, true},
        PlacementCase{"Polygon", kPolygonCommand, &kLeftPolyPressed, false, Dialogs::None,
                      PropertiesTarget::Polygon, true, &Design::polygonCode,
                      "   GRAPHIC WIDTH 2\r\n"
                      "   sPts =  8 \r\n"
                      "   RR1  = fDegree2Radian(180/sPts)\r\n"
                      "   DIM tPpts7 AS LOCAL PolyArray\r\n"
                      "   TYPE SET tPpts7 = fPolygon( 26, 50, 95, 96, RR1, sPts)\r\n"
                      "   GRAPHIC POLYGON tPpts7,0,%WHITE,0,0        ' [[  7  ]] \r\n\r\n",
                      kPolygonLocals, "FUNCTION fPolygon ", 400, true},
        PlacementCase{"Box", kRectangleCommand, &kLeftRectangPressed, false, Dialogs::None,
                      PropertiesTarget::Rectangle, true, &Design::boxCode,
                      "   GRAPHIC WIDTH 2\r\n"
                      "   GRAPHIC BOX (26, 50) - (95, 96),0,0,%WHITE,0        ' [[  7  ]] \r\n\r\n",
                      kNoLocals, nullptr, 400, true},
        PlacementCase{
            "Ellipse", kEllipseCommand, &kLeftEllipsePressed, true, Dialogs::None,
            PropertiesTarget::Ellipse, true, &Design::ellipseCode,
            "   GRAPHIC WIDTH 2\r\n"
            "   GRAPHIC ELLIPSE (26, 50) - (95, 96),0,%WHITE,0        ' [[  7  ]] \r\n\r\n",
            kNoLocals, nullptr, 400, true},
        PlacementCase{"Line", kLineCommand, &kLeftLinePressed, false, Dialogs::None,
                      PropertiesTarget::Line, true, &Design::lineCode,
                      "   GRAPHIC COLOR 0\r\n"
                      "   GRAPHIC WIDTH 2\r\n"
                      "   GRAPHIC LINE (26, 50) - (95, 96)           ' [[  7  ]] \r\n\r\n",
                      kNoLocals, nullptr, 400, true}),
    [](const ::testing::TestParamInfo<PlacementCase>& tested) {
        return std::string(tested.param.name);
    });

struct RefusalCase {
    const char* name;
    std::int16_t command;  // kNoCommand for paint replace
};

void PrintTo(const RefusalCase& c, std::ostream* out) {
    *out << c.name;
}

class DrawingToolWithoutWindow : public ToolFixture,
                                 public ::testing::WithParamInterface<RefusalCase> {};

// The right strip's target stays set when its tool places nothing.
TEST_P(DrawingToolWithoutWindow, SaysSoAndUsesUpANumber) {
    const RefusalCase& c = GetParam();
    Mark(4, 14, 6, 20);
    pass.current.lineKeepFlag = true;
    pass.current.target = PropertiesTarget::Star;
    StartPass();
    backend.Script(KeyEvent('\r'));

    if (c.command == kNoCommand) {
        PaintReplaceTool(context);
    } else {
        EXPECT_TRUE(RunDrawingTool(context, c.command));
    }

    EXPECT_EQ(backend.Pending(), 0u);
    EXPECT_TRUE(EverShown("You should create your Graphic Window first. "));
    EXPECT_EQ(design.objectNumber, 1);
    EXPECT_EQ(ScreenBytes(), passScreen);
    EXPECT_EQ(pass.snapshot, "") << "the pass's save is discarded";
    EXPECT_TRUE(NothingRecorded());
    EXPECT_FALSE(pass.current.lineKeepFlag);
    EXPECT_EQ(pass.current.target, PropertiesTarget::Star);
}

INSTANTIATE_TEST_SUITE_P(
    Tools, DrawingToolWithoutWindow,
    ::testing::Values(RefusalCase{"Paint", kPaintCommand}, RefusalCase{"PaintReplace", kNoCommand},
                      RefusalCase{"Star", kStarCommand}, RefusalCase{"Arc", kArcCommand},
                      RefusalCase{"Pie", kPieCommand}, RefusalCase{"LineStep", kLineStepCommand},
                      RefusalCase{"StretchedBitmap", kBmpStretchedCommand},
                      RefusalCase{"NaturalBitmap", kBmpCommand},
                      RefusalCase{"Polygon", kPolygonCommand},
                      RefusalCase{"Box", kRectangleCommand},
                      RefusalCase{"Ellipse", kEllipseCommand}, RefusalCase{"Line", kLineCommand},
                      RefusalCase{"Text", kTextCommand}, RefusalCase{"AddStr", kAddStrCommand}),
    [](const ::testing::TestParamInfo<RefusalCase>& tested) {
        return std::string(tested.param.name);
    });

class DrawingToolOnOneColumn : public ToolFixture,
                               public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(DrawingToolOnOneColumn, AsksForTwoCornersAgain) {
    MakeWindow(2, 12, 40, 70);
    Mark(4, 14, 6, 14);
    design.objectNumber = 6;
    StartPass();
    backend.Script(KeyEvent(' '));

    EXPECT_TRUE(RunDrawingTool(context, GetParam().command));

    EXPECT_EQ(backend.Pending(), 0u);
    EXPECT_NE(FirstFrameShowing(kAreaNeededPanel), nullptr);
    EXPECT_EQ(backend.beeps, 1);
    EXPECT_EQ(design.objectNumber, 7);
    EXPECT_EQ(ScreenBytes(), passScreen);
    EXPECT_EQ(pass.snapshot, "");
    EXPECT_TRUE(NothingRecorded());
}

INSTANTIATE_TEST_SUITE_P(Tools, DrawingToolOnOneColumn,
                         ::testing::Values(RefusalCase{"Star", kStarCommand},
                                           RefusalCase{"Polygon", kPolygonCommand},
                                           RefusalCase{"StretchedBitmap", kBmpStretchedCommand},
                                           RefusalCase{"NaturalBitmap", kBmpCommand}),
                         [](const ::testing::TestParamInfo<RefusalCase>& tested) {
                             return std::string(tested.param.name);
                         });

using DrawingToolTest = ToolFixture;

TEST_F(DrawingToolTest, ARefusedStarLeavesAGapInTheNumbers) {
    Mark(4, 14, 6, 20);
    StartPass();
    backend.Script(KeyEvent('\r'));
    RunDrawingTool(context, kStarCommand);

    MakeWindow(2, 12, 40, 70);
    StartPass();
    RunDrawingTool(context, kRectangleCommand);
    EXPECT_NE(design.boxCode.find("' [[  2  ]] "), std::string::npos) << design.boxCode;
}

TEST_F(DrawingToolTest, TheFirstPaintIsTheBackgroundAndTheSecondAPaint) {
    MakeWindow(2, 12, 40, 70);
    Mark(2, 12, 2, 12);  // the window's first cell
    console.SetColor(10, 8);
    StartPass();
    Click(13, 40);  // Style: not for a paint, so it beeps
    ClickPropertiesOk();
    RunDrawingTool(context, kPaintCommand);

    EXPECT_EQ(backend.beeps, 1) << "the paint target was set for the menu";
    EXPECT_NE(pass.current.target, PropertiesTarget::Paint);
    EXPECT_EQ(design.backgroundPaintCode,
              "   GRAPHIC PAINT (3, 4),%WHITE,0,0        ' [[  1  ]] \r\n\r\n");
    EXPECT_EQ(design.paintCode, "");
    EXPECT_EQ((std::array{pass.pending.x1, pass.pending.y1, pass.pending.x2, pass.pending.y2}),
              (std::array{3, 4, 7, 23}));
    EXPECT_EQ(console.CellAt(2, 12).ch, 'P');
    EXPECT_EQ(AttrAt(2, 12), 0x8A);

    Mark(5, 20, 5, 20);
    StartPass();
    ClickPropertiesOk();
    ClickMoveAccept();
    RunDrawingTool(context, kPaintCommand);
    EXPECT_EQ(design.paintCode, "   GRAPHIC PAINT (95, 73),%WHITE,0,0        ' [[  2  ]] \r\n\r\n");
    EXPECT_EQ(design.backgroundPaintCode,
              "   GRAPHIC PAINT (3, 4),%WHITE,0,0        ' [[  1  ]] \r\n\r\n");
    EXPECT_EQ(console.CellAt(5, 20).ch, 'P');
}

TEST_F(DrawingToolTest, ALineIsBlackAndTwoWideWhateverTheMenuChose) {
    MakeWindow(2, 12, 40, 70);
    Mark(4, 14, 6, 20);
    pass.current.properties.edgeColor = "255";
    pass.current.properties.lineWidth = "6";
    pass.current.target = PropertiesTarget::Line;
    StartPass();
    ClickMoveAccept();
    RunDrawingTool(context, kLineCommand);

    EXPECT_EQ(design.lineCode,
              "   GRAPHIC COLOR 0\r\n   GRAPHIC WIDTH 2\r\n"
              "   GRAPHIC LINE (26, 50) - (95, 96)           ' [[  1  ]] \r\n\r\n");
    EXPECT_EQ(pass.current.properties.edgeColor, "");
    EXPECT_EQ(pass.current.properties.lineWidth, "");
    EXPECT_FALSE(pass.current.lineKeepFlag);
    EXPECT_NE(pass.current.target, PropertiesTarget::Line);
}

// The defaults a star and a polygon are written with stay in the properties for the command.
TEST_F(DrawingToolTest, StarAndPolygonKeepTheirDefaultsInTheProperties) {
    MakeWindow(2, 12, 40, 70);
    Mark(4, 14, 6, 20);
    pass.current.properties.edgeColor = "";
    StartPass();
    RunDrawingTool(context, kStarCommand);
    EXPECT_EQ(pass.current.properties.cornerSidesPoints, " 5 ");
    EXPECT_EQ(pass.current.properties.edgeColor, "%BLACK");
    EXPECT_NE(design.starCode.find("sPts,%BLACK"), std::string::npos) << design.starCode;

    pass.current.properties = Properties{};
    pass.current.properties.edgeColor = "";
    StartPass();
    RunDrawingTool(context, kPolygonCommand);
    EXPECT_EQ(pass.current.properties.cornerSidesPoints, " 8 ");
    EXPECT_EQ(pass.current.properties.edgeColor, "");
}

// The first corner lies one row above the window: y1 maps to -19.
TEST_F(DrawingToolTest, OnlyTheStarKeepsAPointAboveTheWindow) {
    const struct {
        std::int16_t command;
        std::int32_t y1;
    } cases[] = {{kStarCommand, -19}, {kRectangleCommand, 3}, {kLineStepCommand, 3}};
    MakeWindow(2, 12, 40, 70);
    for (const auto& c : cases) {
        Mark(1, 14, 3, 20);
        StartPass();
        if (c.command == kLineStepCommand) ClickMoveAccept();
        RunDrawingTool(context, c.command);
        EXPECT_EQ(pass.pending.y1, c.y1) << c.command;
    }
}

// Started from the left strip, with no target set, these tools record at once.
TEST_F(DrawingToolTest, LeftStripToolsOfferNoMoveMenu) {
    MakeWindow(2, 12, 40, 70);
    for (std::int16_t command : {kStarCommand, kPolygonCommand, kRectangleCommand, kEllipseCommand,
                                 kLineCommand, kArcCommand, kPieCommand}) {
        Mark(4, 14, 6, 20);
        StartPass();
        if (command == kArcCommand || command == kPieCommand) {
            Click(10, 30);  // L-top
            Click(24, 45);  // Bottom
            ClickPropertiesOk();
        }
        RunDrawingTool(context, command);
        EXPECT_EQ(backend.Pending(), 0u) << command;
    }
    EXPECT_EQ(FirstFrameShowing(kMoveMenu), nullptr);
    EXPECT_EQ(design.objects.size(), 7u) << "all seven objects are recorded";
}

TEST_F(DrawingToolTest, OtherCommandsAreNotDrawingTools) {
    MakeWindow(2, 12, 40, 70);
    Mark(4, 14, 6, 20);
    StartPass();
    for (std::int16_t command : {kNoCommand, kWindowCommand, kUndoCommand, kCodeOutputCommand,
                                 kExitCommand, kHelpCommand}) {
        EXPECT_FALSE(RunDrawingTool(context, command)) << command;
    }
    EXPECT_EQ(design.objectNumber, 0);
    EXPECT_EQ(ScreenBytes(), passScreen);
}

}  // namespace
}  // namespace gridlet
