#include "design/move_menu.h"

#include <stdexcept>
#include <vector>

#include "design/drawing_tools.h"
#include "design/object_block.h"
#include "design/tool_fixture.h"
#include "design/undo.h"
#include "model/command_codes.h"
#include "output/compose_program.h"
#include "platform/basic_error.h"
#include "support/image_cells.h"
#include "support/kept_code.h"
#include "support/undo_view.h"

namespace gridlet {
namespace {

// One input in the menu: a click on a cell, or an arrow key when scan is set.
struct MenuInput {
    int row = 0;
    int col = 0;
    int scan = 0;
};

constexpr MenuInput kUp{6, 43};
constexpr MenuInput kPreview{10, 43};
constexpr MenuInput kAccept{22, 43};
constexpr MenuInput kRight{16, 68};
constexpr MenuInput kStep3{16, 41};
constexpr MenuInput kStep5{16, 54};
constexpr MenuInput kIncr{19, 19};
constexpr MenuInput kToBack{13, 66};
constexpr MenuInput kEmptyButton{13, 19};
constexpr MenuInput kUpKey{0, 0, kScanUp};

// Every composition the menu asks for is kept with its sections.
class MoveMenuTest : public ToolFixture {
  protected:
    void SetUp() override {
        ToolFixture::SetUp();
        context.composeProgram = [this](Context& c, const OutputRequest& request) {
            EXPECT_EQ(request.route, OutputRoute::Preview);
            EXPECT_EQ(request.form, CodeForm::GraphicWindow);
            backend.ScriptFirst(KeyEvent(' '));  // closes the preview's picture
            previews.push_back(ComposeProgram(c, request));
            return previews.back();
        };
    }
    // Presses report their own cells; with no moves before them the menu's input routine does not
    // pause, so the times seen are the menu's own.
    void Enter(const std::vector<MenuInput>& inputs) {
        for (const MenuInput& input : inputs) {
            if (input.scan != 0) {
                backend.Script(ExtendedKeyEvent(input.scan));
            } else {
                backend.Script(PressEvent(input.row, input.col));
            }
        }
    }
    static constexpr std::array<std::int32_t, 4> kStart{100, 200, 300, 400};

    // Corners to see the shifts in, a block to see where it goes.
    void StartWithPendingObject() {
        pass.pending.x1 = kStart[0];
        pass.pending.y1 = kStart[1];
        pass.pending.x2 = kStart[2];
        pass.pending.y2 = kStart[3];
        pass.pending.lineLimitColumn = 30;
        pass.pending.pendingStatement = "   pending\r\n\r\n";
    }
    std::array<std::int32_t, 4> Corners() const {
        return {pass.pending.x1, pass.pending.y1, pass.pending.x2, pass.pending.y2};
    }

    // The rebuild a drawing tool would pass: here it writes the coordinates it rebuilds from.
    const PreviewRebuild rebuild = [](Context& c) {
        c.pass.pending.pendingStatement =
            "   rebuilt" + std::to_string(c.pass.pending.x1) + "\r\n\r\n";
    };
    std::vector<SectionTable> previews;
};

// Light grey, two nested frames: the outer one raised, the inner one sunk.
TEST(MoveMenuPanel, CoversItsRectangleWithTwoFrames) {
    EXPECT_EQ(kMoveMenu.Rect(), (CellRect{3, 6, 29, 79}));
    const struct {
        int row, col;
        std::uint8_t ch, attr;
    } cells[] = {{1, 1, 0xDA, 0x7F},   {1, 74, 0xBF, 0x78}, {27, 1, 0xC0, 0x7F},
                 {27, 74, 0xD9, 0x78}, {2, 3, 0xDA, 0x78},  {26, 72, 0xD9, 0x7F},
                 {2, 2, ' ', 0x77},    {22, 40, ' ', 0x77}};
    for (const auto& cell : cells) {
        EXPECT_EQ(CharAt(kMoveMenu, cell.row, cell.col), cell.ch) << cell.row << "," << cell.col;
        EXPECT_EQ(AttrAt(kMoveMenu, cell.row, cell.col), cell.attr) << cell.row << "," << cell.col;
    }
}

struct ButtonCase {
    const char* name;
    std::vector<InputEvent> events;
    std::array<std::int32_t, 4> shift;  // of x1, y1, x2, y2
    std::int32_t moveStep;
    std::int32_t lineLimitColumn;
    const ImageInfo* pressed;  // nullptr: nothing shows pressed
};

void PrintTo(const ButtonCase& c, std::ostream* out) {
    *out << c.name;
}

class MoveMenuButton : public MoveMenuTest, public ::testing::WithParamInterface<ButtonCase> {};

// With no step chosen everything moves by one pixel. After the action the panel is painted
// again, which takes the pressed look away.
TEST_P(MoveMenuButton, ActsOnceAndPaintsThePanelAgain) {
    const ButtonCase& c = GetParam();
    StartWithPendingObject();
    backend.Script(c.events);
    EXPECT_THROW(MoveMenu(context, rebuild), ScriptExhausted);

    const auto shifted = Corners();
    for (std::size_t i = 0; i < shifted.size(); ++i) {
        EXPECT_EQ(shifted[i] - kStart[i], c.shift[i]) << "coordinate " << i;
    }
    EXPECT_EQ(pass.memory.moveStep, c.moveStep);
    EXPECT_EQ(pass.pending.lineLimitColumn, c.lineLimitColumn);
    EXPECT_EQ(pass.pending.pendingStatement, "   pending\r\n\r\n");
    EXPECT_TRUE(previews.empty());
    EXPECT_TRUE(FrameShows(frames.back(), kMoveMenu));
    if (c.pressed != nullptr) {
        EXPECT_NE(FirstFrameShowing(*c.pressed), nullptr);
    } else {
        for (const Frame& frame : frames) EXPECT_TRUE(FrameShows(frame, kMoveMenu));
    }
}

std::vector<InputEvent> ClickAt(int row, int col) {
    return {MoveEvent(row, col), PressEvent(row, col)};
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, MoveMenuButton,
    ::testing::Values(
        ButtonCase{"Up", ClickAt(5, 37), {0, -1, 0, -1}, 0, 30, &kMoveUpPressed},
        ButtonCase{"Down", ClickAt(27, 49), {0, 1, 0, 1}, 0, 30, &kMoveDownPressed},
        ButtonCase{"UpLeft", ClickAt(10, 22), {-1, -1, -1, -1}, 0, 30, &kMoveUpLeftPressed},
        ButtonCase{"DownLeft", ClickAt(22, 22), {-1, 1, -1, 1}, 0, 30, &kMoveDownLeftPressed},
        ButtonCase{"UpRight", ClickAt(10, 64), {1, -1, 1, -1}, 0, 30, &kMoveUpRightPressed},
        ButtonCase{"DownRight", ClickAt(23, 70), {1, 1, 1, 1}, 0, 30, &kMoveDownRightPressed},
        ButtonCase{"Left", ClickAt(15, 11), {-1, 0, -1, 0}, 0, 30, &kMoveLeftPressed},
        ButtonCase{"Right", ClickAt(17, 74), {1, 0, 1, 0}, 0, 30, &kMoveRightPressed},
        ButtonCase{"BesideRight", ClickAt(16, 75), {0, 0, 0, 0}, 0, 30, nullptr},
        ButtonCase{"UpKey", {ExtendedKeyEvent(kScanUp)}, {0, 0, 0, -1}, 0, 30, nullptr},
        ButtonCase{"DownKey", {ExtendedKeyEvent(kScanDown)}, {0, 0, 0, 1}, 0, 30, nullptr},
        ButtonCase{"LeftKey", {ExtendedKeyEvent(kScanLeft)}, {0, 0, -1, 0}, 0, 30, nullptr},
        ButtonCase{"RightKey", {ExtendedKeyEvent(kScanRight)}, {0, 0, 1, 0}, 0, 30, nullptr},
        ButtonCase{"Step2", ClickAt(16, 34), {0, 0, 0, 0}, 2, 30, &kMoveStep2Pressed},
        ButtonCase{"Step3", ClickAt(15, 39), {0, 0, 0, 0}, 3, 30, &kMoveStep3Pressed},
        ButtonCase{"Step4", ClickAt(17, 50), {0, 0, 0, 0}, 4, 30, &kMoveStep4Pressed},
        ButtonCase{"Step5", ClickAt(16, 52), {0, 0, 0, 0}, 5, 30, &kMoveStep5Pressed},
        ButtonCase{"IncrColumnWidth", ClickAt(18, 9), {0, 0, 0, 0}, 0, 31, &kMoveIncrColumnPressed},
        ButtonCase{
            "DecrColumnWidth", ClickAt(20, 76), {0, 0, 0, 0}, 0, 29, &kMoveDecrColumnPressed},
        ButtonCase{"EmptyWideButton", ClickAt(13, 19), {0, 0, 0, 0}, 0, 30, nullptr},
        ButtonCase{"MoveToBack", ClickAt(12, 56), {0, 0, 0, 0}, 0, 30, &kMoveToBackPressed},
        ButtonCase{"RightClick",
                   {MoveEvent(16, 68), PressEvent(16, 68, kRightButton)},
                   {1, 0, 1, 0},
                   0,
                   30,
                   &kMoveRightPressed},
        // A click without a move before it counts where it is.
        ButtonCase{
            "ClickWithoutAMove", {PressEvent(16, 68)}, {1, 0, 1, 0}, 0, 30, &kMoveRightPressed},
        // Any other key is a click where the pointer last was; Esc too.
        ButtonCase{"KeyOverRight",
                   {MoveEvent(16, 68), KeyEvent('x')},
                   {1, 0, 1, 0},
                   0,
                   30,
                   &kMoveRightPressed},
        ButtonCase{"EscOverThePanel",
                   {MoveEvent(8, 30), KeyEvent(kEscKey)},
                   {0, 0, 0, 0},
                   0,
                   30,
                   nullptr}),
    [](const ::testing::TestParamInfo<ButtonCase>& tested) {
        return std::string(tested.param.name);
    });

TEST_F(MoveMenuTest, AStepChosenMultipliesEveryMove) {
    StartWithPendingObject();
    Enter({kStep3, kRight, kUp, kUpKey});
    EXPECT_THROW(MoveMenu(context, rebuild), ScriptExhausted);
    EXPECT_EQ(Corners(), (std::array{103, 197, 303, 394}));
}

// The strips stay beside the panel, and their hints follow the pointer as in the tool phase.
TEST_F(MoveMenuTest, HintsFollowThePointerOverTheStrips) {
    StartWithPendingObject();
    backend.Script(MoveEvent(44, 5));
    backend.Script(MoveEvent(16, 68));  // the panel: the hint stays
    EXPECT_THROW(MoveMenu(context, rebuild), ScriptExhausted);
    EXPECT_EQ(RowText(46, 1, 89),
              " Left click to build a Graphic Window Sub, Right click to build one for XPRINT" +
                  std::string(11, ' '));
    EXPECT_EQ(AttrAt(46, 89), 0x70);
    EXPECT_EQ(Corners(), kStart) << "a move is no click";
}

TEST_F(MoveMenuTest, OnlyAcceptLeavesAndItKeepsTheBlockWhenNothingWasPreviewed) {
    StartWithPendingObject();
    Enter({kRight, kAccept});
    backend.Script(KeyEvent('x'));
    MoveMenu(context, rebuild);
    EXPECT_EQ(backend.Pending(), 1u);
    EXPECT_TRUE(FrameShows(frames.back(), kMoveAcceptPressed))
        << "the panel stays for the tool's restore";
    EXPECT_EQ(pass.pending.x1, 101);
    EXPECT_EQ(pass.pending.pendingStatement, "   pending\r\n\r\n");
}

// The pauses after the pressed looks: 200 ms for UP and the steps, 10 and 50 for the other
// shifts, 100 for the width buttons and Accept, 500 for Move to Back.
TEST_F(MoveMenuTest, ButtonsPauseAfterTheirPressedLooks) {
    StartWithPendingObject();
    Enter({kUp, kRight, kStep5, kIncr, kToBack, kEmptyButton, kUpKey, kAccept});
    MoveMenu(context, rebuild);
    EXPECT_EQ(clock.TimeOfDayMs(), 200 + 60 + 200 + 100 + 500 + 100);
}

TEST_F(MoveMenuTest, PreviewComposesTheRebuiltBlockAndKeepsIt) {
    StartWithPendingObject();
    design.boxCode = "   a box\r\n\r\n";
    Enter({kRight, kPreview, kAccept});
    MoveMenu(context, rebuild);

    ASSERT_EQ(previews.size(), 1u);
    EXPECT_EQ(previews[0].At(33), "   rebuilt101\r\n\r\n");
    EXPECT_EQ(previews[0].At(12), design.boxCode);
    EXPECT_EQ(previews[0].At(44), " END SUB \r\n\r\n") << "graphic-window code";
    EXPECT_NE(FirstFrameShowing(kMovePreviewPressed), nullptr);
    EXPECT_EQ(pass.pending.pendingStatement, "   rebuilt101\r\n\r\n");
    EXPECT_EQ(pass.pending.movePreviewStatement, "");
}

// The string tool rebuilds its DoString body; the pending statement is not previewed or changed.
TEST_F(MoveMenuTest, TheStringToolPreviewsItsOwnText) {
    StartWithPendingObject();
    const PreviewRebuild doStringRebuild = [](Context& c) {
        c.design.doStringBody = "   GRAPHIC PRINT sName\r\n\r\n";
    };
    Enter({kPreview, kAccept});
    MoveMenuAs(context, MoveMenuMode::StringVariable, doStringRebuild);

    ASSERT_EQ(previews.size(), 1u);
    EXPECT_NE(previews[0].At(3).find("   GRAPHIC PRINT sName\r\n"), std::string::npos);
    EXPECT_EQ(previews[0].At(33), "");
    EXPECT_EQ(pass.pending.pendingStatement, "   pending\r\n\r\n");
    EXPECT_EQ(pass.pending.moveMenuMode, MoveMenuMode::Object);
}

TEST_F(MoveMenuTest, AFailedPreviewSaysSoAndTheMenuGoesOn) {
    StartWithPendingObject();
    context.composeProgram = [](Context&, const OutputRequest&) -> SectionTable {
        throw BasicError(kErrorPermissionDenied, "Testgui.bas cannot be written");
    };
    Enter({kRight, kPreview});
    backend.Script(KeyEvent('\r'));
    Enter({kRight, kAccept});
    MoveMenu(context, rebuild);

    EXPECT_TRUE(EverShown("The preview could not be shown:"));
    EXPECT_TRUE(EverShown("Testgui.bas cannot be written"));
    EXPECT_EQ(pass.pending.x1, 102);
    EXPECT_EQ(pass.pending.pendingStatement, "   rebuilt101\r\n\r\n");
    EXPECT_EQ(pass.pending.movePreviewStatement, "");
}

// An error that ends the menu must not send the next object to the back.
TEST_F(MoveMenuTest, AMenuCutShortLeavesNoRequestBehind) {
    StartWithPendingObject();
    const PreviewRebuild failing = [](Context&) { throw std::runtime_error("no rebuild"); };
    Enter({kToBack, kPreview});
    EXPECT_THROW(MoveMenuAs(context, MoveMenuMode::NaturalBitmap, failing), std::runtime_error);
    EXPECT_FALSE(pass.pending.moveToBack);
    EXPECT_EQ(pass.pending.moveMenuMode, MoveMenuMode::Object);
}

struct FlowCase {
    const char* name;
    std::int16_t command;
    PropertiesTarget target;        // set by the right strip, or None
    std::vector<MenuInput> inputs;  // Accept follows
    std::string Design::*accumulator;
    const char* recorded;
    int previewSection;  // where the last Preview composed the block; 0 for none
};

void PrintTo(const FlowCase& c, std::ostream* out) {
    *out << c.name;
}

class MoveMenuFlow : public MoveMenuTest, public ::testing::WithParamInterface<FlowCase> {};

// Window from row 2, column 12; the area rows 2-4, columns 14-20 gives x1 26, y1 4, x2 95, y2 50.
// The tool records what the last Preview showed.
TEST_P(MoveMenuFlow, RecordsWhatTheLastPreviewShowed) {
    const FlowCase& c = GetParam();
    MakeWindow(2, 12, 40, 70);
    Mark(2, 14, 4, 20);
    pass.current.target = c.target;
    StartPass();
    Enter(c.inputs);
    Enter({kAccept});
    RunDrawingTool(context, c.command);

    EXPECT_EQ(backend.Pending(), 0u);
    EXPECT_EQ(design.*c.accumulator, c.recorded);
    EXPECT_EQ(NewestBlock(design), c.recorded);
    EXPECT_EQ(BuildObjectBlock(design.objects.back()), design.objects.back().block)
        << "the block comes again from the values it was built from";
    EXPECT_EQ(design.backLayerCode, "");
    if (c.previewSection == 0) {
        EXPECT_TRUE(previews.empty());
    } else {
        ASSERT_FALSE(previews.empty());
        EXPECT_EQ(previews.back().At(c.previewSection), c.recorded);
    }
    EXPECT_EQ(pass.pending.movePreviewStatement, "");
    EXPECT_EQ(pass.pending.moveMenuMode, MoveMenuMode::Object);
}

constexpr const char* kBoxAsBuilt =
    "   GRAPHIC WIDTH 2\r\n"
    "   GRAPHIC BOX (26, 4) - (95, 50),0,0,%WHITE,0        ' [[  1  ]] \r\n\r\n";
constexpr const char* kLineStepAsBuilt =
    "   GRAPHIC LINE STEP - (26, 4)        ' [[  1  ]] \r\n\r\n";

INSTANTIATE_TEST_SUITE_P(
    Examples, MoveMenuFlow,
    ::testing::Values(
        FlowCase{"StepThreeRightTwicePreview",
                 kRectangleCommand,
                 PropertiesTarget::Rectangle,
                 {kStep3, kRight, kRight, kPreview},
                 &Design::boxCode,
                 "   GRAPHIC WIDTH 2\r\n"
                 "   GRAPHIC BOX (32, 4) - (101, 50),0,0,%WHITE,0         ' [[  1  ]] \r\n\r\n",
                 33},
        FlowCase{"RightTwiceWithoutPreview",
                 kRectangleCommand,
                 PropertiesTarget::Rectangle,
                 {kRight, kRight},
                 &Design::boxCode,
                 kBoxAsBuilt,
                 0},
        FlowCase{"UpKeyThreeTimesMovesOnlyY2",
                 kRectangleCommand,
                 PropertiesTarget::Rectangle,
                 {kUpKey, kUpKey, kUpKey, kPreview},
                 &Design::boxCode,
                 "   GRAPHIC WIDTH 2\r\n"
                 "   GRAPHIC BOX (26, 4) - (95, 47),0,0,%WHITE,0         ' [[  1  ]] \r\n\r\n",
                 33},
        FlowCase{"EmptyWideButtonDoesNothing",
                 kRectangleCommand,
                 PropertiesTarget::Rectangle,
                 {kEmptyButton, kPreview},
                 &Design::boxCode,
                 "   GRAPHIC WIDTH 2\r\n"
                 "   GRAPHIC BOX (26, 4) - (95, 50),0,0,%WHITE,0         ' [[  1  ]] \r\n\r\n",
                 33},
        FlowCase{"LineStepPreviewedWithTheLines",
                 kLineStepCommand,
                 PropertiesTarget::None,
                 {kRight, kPreview},
                 &Design::lineCode,
                 "   GRAPHIC LINE STEP - (27, 4)       ' [[  1  ]] \r\n\r\n",
                 26},
        FlowCase{"LineStepMoveToBackOnlyShowsPressed",
                 kLineStepCommand,
                 PropertiesTarget::None,
                 {kToBack},
                 &Design::lineCode,
                 kLineStepAsBuilt,
                 0}),
    [](const ::testing::TestParamInfo<FlowCase>& tested) {
        return std::string(tested.param.name);
    });

// A bitmap at its own size (200 x 50 pixels) moved and previewed keeps that size: its far corner
// moves with it.
TEST_F(MoveMenuTest, ANaturalSizeBitmapMovedKeepsItsSize) {
    MakeWindow(2, 12, 40, 70);
    Mark(2, 14, 4, 20);
    StartPass();
    ChooseBitmap("pic.bmp");
    Enter({kRight, kRight, kPreview, kAccept});
    RunDrawingTool(context, kBmpCommand);
    EXPECT_EQ(design.bitmapCode, " GRAPHIC RENDER \"" + InFolder("pic.bmp") +
                                     "\", (28, 4) - (228, 54)         ' [[  1  ]] \r\n\r\n");
}

TEST_F(MoveMenuTest, AStepChosenForOneObjectStaysForTheNext) {
    MakeWindow(2, 12, 40, 70);
    for (const auto& inputs : {std::vector{kStep5}, std::vector{kRight, kPreview}}) {
        Mark(2, 14, 4, 20);
        pass.current.target = PropertiesTarget::Rectangle;
        StartPass();
        Enter(inputs);
        Enter({kAccept});
        RunDrawingTool(context, kRectangleCommand);
    }
    EXPECT_EQ(design.boxCode,
              std::string(kBoxAsBuilt) +
                  "   GRAPHIC WIDTH 2\r\n"
                  "   GRAPHIC BOX (31, 4) - (100, 50),0,0,%WHITE,0         ' [[  2  ]] \r\n\r\n");
}

// A box, then an ellipse previewed while going to the back: the ellipse is drawn first, and Undo
// takes each out of the back layer with its grid marker.
TEST_F(MoveMenuTest, ObjectsSentToTheBackComeOutLastSentFirstAndUndoRemovesEach) {
    MakeWindow(2, 12, 40, 70);
    AddKeptCode(design, ObjectKind::Box, "   an earlier box\r\n\r\n");
    Mark(2, 14, 4, 20);
    pass.current.target = PropertiesTarget::Rectangle;
    StartPass();
    const std::string beforeBox = passScreen;
    Enter({kToBack, kAccept});
    RunDrawingTool(context, kRectangleCommand);

    Mark(6, 14, 8, 20);
    pass.current.target = PropertiesTarget::Ellipse;
    StartPass();
    const std::string beforeEllipse = passScreen;
    Enter({kToBack, kPreview, kAccept});
    RunDrawingTool(context, kEllipseCommand);

    const std::string ellipse =
        "   GRAPHIC WIDTH 2\r\n"
        "   GRAPHIC ELLIPSE (26, 96) - (95, 142),0,%WHITE,0         ' [[  2  ]] \r\n\r\n";
    ASSERT_EQ(previews.size(), 1u);
    EXPECT_EQ(previews[0].At(11), ellipse + kBoxAsBuilt) << "in front of the blocks already back";
    EXPECT_EQ(previews[0].At(33), "");
    EXPECT_EQ(design.backLayerCode, ellipse + kBoxAsBuilt);
    EXPECT_EQ(design.boxCode, "   an earlier box\r\n\r\n");
    EXPECT_EQ(design.ellipseCode, "");
    EXPECT_FALSE(pass.pending.moveToBack);

    EXPECT_EQ(ComposeSections(design, CodeForm::GraphicWindow).At(11), ellipse + kBoxAsBuilt);

    Undo(context);
    EXPECT_EQ(design.backLayerCode, kBoxAsBuilt);
    EXPECT_EQ(ScreenBytes(), beforeEllipse);
    Undo(context);
    EXPECT_EQ(design.backLayerCode, "");
    EXPECT_EQ(design.boxCode, "   an earlier box\r\n\r\n");
    EXPECT_EQ(ScreenBytes(), beforeBox);
}

}  // namespace
}  // namespace gridlet
