#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "codegen/support_functions.h"
#include "design/record_object.h"
#include "design/tool_course.h"
#include "design/undo.h"
#include "doubles/memory_backend.h"
#include "doubles/memory_clipboard.h"
#include "doubles/virtual_clock.h"
#include "output/compose_program.h"
#include "platform/frame_chars.h"
#include "support/undo_view.h"

namespace gridlet {
namespace {

class RecordUndoTest : public ::testing::Test {
  protected:
    std::string ScreenNow() {
        std::string buffer;
        screen.SaveScreen(buffer);
        return buffer;
    }

    // One pass of the main loop: the snapshot is taken, the tool shows a menu, builds the block
    // of its next object and records it with an outline over one cell. Returns the screen as it
    // was before the pass.
    std::string Place(ObjectKind kind, int row, int col, int x1 = 26, int y1 = 4) {
        pass.snapshot = ScreenNow();
        screen.PrintAt(46, 1, 0, 7, "a menu of the tool");
        ++design.objectNumber;
        pass.pending.x1 = x1;
        pass.pending.y1 = y1;
        pass.pending.x2 = x1 + 57;
        pass.pending.y2 = y1 + 46;
        pass.pending.starWidth = 57;
        pass.pending.starHeight = 46;
        BuildPendingStatement(pass.pending, pass.current.properties, design.objectNumber, kind);
        const std::string block = pass.pending.pendingStatement;
        RecordObject(context, kind, {.kind = MarkKind::Outline, .area = {row, col, row, col}});
        blocks.push_back(block);
        return pass.snapshot;
    }
    // The outline over one cell starts with its top left corner.
    bool MarkedAt(int row, int col) const {
        return console.CellAt(row, col).ch == static_cast<std::uint8_t>(kFrameTopLeft);
    }

    MemoryBackend backend;
    VirtualClock clock;
    Console console{backend, clock};
    Screen screen{console};
    MemoryClipboard clipboard;
    Design design;
    PassState pass;
    ProgramEnvironment environment;
    Context context{console, screen, design, pass, clipboard, environment, ComposeProgram};
    std::vector<std::string> blocks;
};

TEST_F(RecordUndoTest, RecordingAppendsMarksAndPushes) {
    const std::string before = Place(ObjectKind::Box, 10, 20);
    EXPECT_EQ(design.boxCode, blocks[0]);
    EXPECT_EQ(NewestBlock(design), blocks[0]);
    EXPECT_EQ(ScreenUndoWouldShow(screen, design), before);
    EXPECT_TRUE(MarkedAt(10, 20));
    EXPECT_EQ(console.CellAt(46, 1).ch, ' ') << "the tool's menu is gone";
    EXPECT_EQ(pass.pending.pendingStatement, "");
    ASSERT_EQ(design.objects.size(), 1u);
    EXPECT_EQ(design.objects[0].number, 1);
    EXPECT_EQ(design.objects[0].values.x1, 26) << "the values the block was built from";
}

TEST_F(RecordUndoTest, RecordingClearsTheToolsValues) {
    pass.pending.arcStart = "0";
    pass.pending.arcEnd = "1";
    Place(ObjectKind::Arc, 10, 20);
    EXPECT_EQ(pass.pending.arcStart, "");
    EXPECT_EQ(pass.pending.arcEnd, "");

    pass.current.lineKeepFlag = true;
    pass.current.properties.edgeColor = "255";
    pass.current.properties.lineWidth = "6";
    Place(ObjectKind::Line, 11, 20);
    EXPECT_FALSE(pass.current.lineKeepFlag);
    EXPECT_EQ(pass.current.properties.edgeColor, "");
    EXPECT_EQ(pass.current.properties.lineWidth, "");
    EXPECT_EQ(design.lineCode, blocks[1]);
}

TEST_F(RecordUndoTest, FirstPaintIsTheBackgroundAndLaterPaintsAreNot) {
    design.backgroundPaintCode = "an earlier design's background\r\n";
    Place(ObjectKind::Paint, 10, 20);
    Place(ObjectKind::Paint, 11, 20);
    EXPECT_EQ(design.backgroundPaintCode, blocks[0]);
    EXPECT_EQ(design.paintCode, blocks[1]);
}

TEST_F(RecordUndoTest, APaintReplaceIsNeverTheBackground) {
    Place(ObjectKind::PaintReplace, 10, 20);
    EXPECT_EQ(design.objectNumber, 1);
    EXPECT_EQ(design.backgroundPaintCode, "");
    EXPECT_EQ(design.paintCode, blocks[0]);
}

TEST_F(RecordUndoTest, UndoWalksBackOneObjectAtATime) {
    const std::string beforeFirstBox = Place(ObjectKind::Box, 10, 20);
    const std::string beforeEllipse = Place(ObjectKind::Ellipse, 12, 22);
    const std::string beforeSecondBox = Place(ObjectKind::Box, 10, 20);
    ASSERT_NE(blocks[0], blocks[2]) << "same place and properties, different tags";

    Undo(context);
    EXPECT_EQ(design.boxCode, blocks[0]);
    EXPECT_EQ(design.ellipseCode, blocks[1]);
    EXPECT_EQ(ScreenNow(), beforeSecondBox);

    Undo(context);
    EXPECT_EQ(design.ellipseCode, "");
    EXPECT_EQ(design.boxCode, blocks[0]);
    EXPECT_EQ(ScreenNow(), beforeEllipse);

    Undo(context);
    EXPECT_EQ(design.boxCode, "");
    EXPECT_EQ(ScreenNow(), beforeFirstBox);
    EXPECT_EQ(clock.TimeOfDayMs(), 600);

    Undo(context);
    EXPECT_EQ(ScreenNow(), beforeFirstBox);
    EXPECT_EQ(clock.TimeOfDayMs(), 600) << "nothing to undo: no pressed button, no pause";
    EXPECT_EQ(design.objectNumber, 3);
}

// Redo makes each undone placement again, code and mark, until a new placement drops them.
TEST_F(RecordUndoTest, RedoPlacesTheUndoneObjectsAgain) {
    Place(ObjectKind::Box, 10, 20);
    Place(ObjectKind::Ellipse, 12, 22);
    const std::string withBoth = ScreenNow();
    Undo(context);
    Undo(context);
    Redo(context);
    EXPECT_EQ(design.boxCode, blocks[0]);
    EXPECT_EQ(design.ellipseCode, "");
    Redo(context);
    EXPECT_EQ(design.ellipseCode, blocks[1]);
    EXPECT_EQ(ScreenNow(), withBoth);

    Undo(context);
    Place(ObjectKind::Box, 14, 30);
    const std::int64_t before = clock.TimeOfDayMs();
    Redo(context);
    EXPECT_EQ(design.ellipseCode, "") << "the new placement dropped the undone ellipse";
    EXPECT_EQ(clock.TimeOfDayMs(), before) << "nothing to redo: no pressed button, no pause";
}

TEST_F(RecordUndoTest, UndoClearsTheLineKeepFlag) {
    Place(ObjectKind::Box, 10, 20);
    pass.current.lineKeepFlag = true;
    Undo(context);
    EXPECT_FALSE(pass.current.lineKeepFlag);
}

// A paint placed as the first object lives outside the kind accumulators; it is undone all the
// same instead of blocking every undo after it.
TEST_F(RecordUndoTest, UndoRemovesTheBackgroundPaint) {
    const std::string beforePaint = Place(ObjectKind::Paint, 10, 20);
    Place(ObjectKind::Box, 12, 22);
    Undo(context);
    Undo(context);
    EXPECT_EQ(design.backgroundPaintCode, "");
    EXPECT_EQ(ScreenNow(), beforePaint);
    EXPECT_TRUE(NothingToUndo(design));
}

// A string variable placed without a Preview writes no code of its own; undoing it takes its
// mark away and the next undo reaches the object before it.
TEST_F(RecordUndoTest, AnObjectWithoutCodeDoesNotBlockUndo) {
    const std::string beforeBox = Place(ObjectKind::Box, 10, 20);
    pass.snapshot = ScreenNow();
    pass.pending.pendingStatement.clear();
    pass.pending.builtFrom = {};
    RecordObject(context, ObjectKind::Ellipse,
                 {.kind = MarkKind::Outline, .area = {12, 22, 12, 22}});

    Undo(context);
    EXPECT_FALSE(MarkedAt(12, 22));
    EXPECT_EQ(design.boxCode, blocks[0]);
    Undo(context);
    EXPECT_EQ(design.boxCode, "");
    EXPECT_EQ(ScreenNow(), beforeBox);
}

TEST_F(RecordUndoTest, SupportFunctionsOutliveTheirStar) {
    const SupportTexts support = AddStarSupport({});
    design.typeDecls = support.typeDecls;
    design.supportFunctions = support.supportFunctions;
    const std::string types = design.typeDecls;
    const std::string functions = design.supportFunctions;
    Place(ObjectKind::Star, 10, 20);
    Undo(context);
    EXPECT_EQ(design.starCode, "");
    EXPECT_EQ(design.typeDecls, types);
    EXPECT_EQ(design.supportFunctions, functions);
}

}  // namespace
}  // namespace gridlet
