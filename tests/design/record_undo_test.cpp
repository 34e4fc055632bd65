#include <gtest/gtest.h>

#include <string>

#include "codegen/statement_emitter.h"
#include "codegen/support_functions.h"
#include "design/record_object.h"
#include "design/undo.h"
#include "platform/memory_backend.h"

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
    // of its next object and records it with a letter as its grid marker. Returns the screen as
    // it was before the pass.
    std::string Place(ObjectKind kind, int row, int col, char marker, int x1 = 26, int y1 = 4) {
        state.snapshot = ScreenNow();
        screen.PrintAt(46, 1, 0, 7, "a menu of the tool");
        ++state.objectNumber;
        state.x1 = x1;
        state.y1 = y1;
        state.x2 = x1 + 57;
        state.y2 = y1 + 46;
        state.starWidth = 57;
        state.starHeight = 46;
        EmitStatement(state, kind);
        const std::string block = state.pendingStatement;
        RecordObject(context, kind,
                     [&] { screen.PrintAt(row, col, 14, 8, std::string(1, marker)); });
        blocks.push_back(block);
        return state.snapshot;
    }

    MemoryBackend backend;
    VirtualClock clock;
    Console console{backend, clock};
    Screen screen{console};
    MemoryClipboard clipboard;
    DesignState state;
    Context context{console, screen, state, clipboard};
    std::vector<std::string> blocks;
};

TEST_F(RecordUndoTest, RecordingAppendsMarksAndPushes) {
    const std::string before = Place(ObjectKind::Box, 10, 20, 'B');
    EXPECT_EQ(state.boxCode, blocks[0]);
    EXPECT_EQ(state.codeHistory[0], blocks[0]);
    EXPECT_EQ(state.screenHistory[0], before);
    EXPECT_EQ(console.CellAt(10, 20).ch, 'B');
    EXPECT_EQ(console.CellAt(46, 1).ch, ' ') << "the tool's menu is gone";
    EXPECT_EQ(state.pendingStatement, "");
    EXPECT_EQ(state.pendingSnapshot, "");
}

TEST_F(RecordUndoTest, RecordingClearsTheToolsValues) {
    state.arcStart = "0";
    state.arcEnd = "1";
    Place(ObjectKind::Arc, 10, 20, 'A');
    EXPECT_EQ(state.arcStart, "");
    EXPECT_EQ(state.arcEnd, "");

    state.lineKeepFlag = true;
    state.properties.edgeColor = "255";
    state.properties.lineWidth = "6";
    Place(ObjectKind::Line, 11, 20, 'L');
    EXPECT_FALSE(state.lineKeepFlag);
    EXPECT_EQ(state.properties.edgeColor, "");
    EXPECT_EQ(state.properties.lineWidth, "");
    EXPECT_EQ(state.lineCode, blocks[1]);
}

TEST_F(RecordUndoTest, FirstPaintIsTheBackgroundAndLaterPaintsAreNot) {
    state.backgroundPaintCode = "an earlier design's background\r\n";
    Place(ObjectKind::Paint, 10, 20, 'P');
    Place(ObjectKind::Paint, 11, 20, 'P');
    EXPECT_EQ(state.backgroundPaintCode, blocks[0]);
    EXPECT_EQ(state.paintCode, blocks[1]);
}

TEST_F(RecordUndoTest, APaintReplaceIsNeverTheBackground) {
    Place(ObjectKind::PaintReplace, 10, 20, 'P');
    EXPECT_EQ(state.objectNumber, 1);
    EXPECT_EQ(state.backgroundPaintCode, "");
    EXPECT_EQ(state.paintCode, blocks[0]);
}

TEST_F(RecordUndoTest, UndoWalksBackOneObjectAtATime) {
    const std::string beforeFirstBox = Place(ObjectKind::Box, 10, 20, 'B');
    const std::string beforeEllipse = Place(ObjectKind::Ellipse, 12, 22, 'E');
    const std::string beforeSecondBox = Place(ObjectKind::Box, 10, 20, 'B');
    ASSERT_NE(blocks[0], blocks[2]) << "same place and properties, different tags";

    Undo(context);
    EXPECT_EQ(state.boxCode, blocks[0]);
    EXPECT_EQ(state.ellipseCode, blocks[1]);
    EXPECT_EQ(ScreenNow(), beforeSecondBox);

    Undo(context);
    EXPECT_EQ(state.ellipseCode, "");
    EXPECT_EQ(state.boxCode, blocks[0]);
    EXPECT_EQ(ScreenNow(), beforeEllipse);

    Undo(context);
    EXPECT_EQ(state.boxCode, "");
    EXPECT_EQ(ScreenNow(), beforeFirstBox);
    EXPECT_EQ(clock.TimeOfDayMs(), 600);

    Undo(context);
    EXPECT_EQ(ScreenNow(), beforeFirstBox);
    EXPECT_EQ(clock.TimeOfDayMs(), 600) << "nothing to undo: no pressed button, no pause";
    EXPECT_EQ(state.objectNumber, 3);
}

TEST_F(RecordUndoTest, UndoClearsTheLineKeepFlag) {
    Place(ObjectKind::Box, 10, 20, 'B');
    state.lineKeepFlag = true;
    Undo(context);
    EXPECT_FALSE(state.lineKeepFlag);
}

// A paint placed as the first object lives outside the kind accumulators; it is undone all the
// same instead of blocking every undo after it.
TEST_F(RecordUndoTest, UndoRemovesTheBackgroundPaint) {
    const std::string beforePaint = Place(ObjectKind::Paint, 10, 20, 'P');
    Place(ObjectKind::Box, 12, 22, 'B');
    Undo(context);
    Undo(context);
    EXPECT_EQ(state.backgroundPaintCode, "");
    EXPECT_EQ(ScreenNow(), beforePaint);
    EXPECT_TRUE(state.screenHistory[0].empty());
}

// An object sent to the back leaves an empty history entry; undoing it takes its mark away and
// the next undo reaches the object before it.
TEST_F(RecordUndoTest, EntryWithoutCodeDoesNotBlockUndo) {
    const std::string beforeBox = Place(ObjectKind::Box, 10, 20, 'B');
    state.snapshot = ScreenNow();
    state.pendingStatement.clear();
    RecordObject(context, ObjectKind::Ellipse, [&] { screen.PrintAt(12, 22, 14, 8, "E"); });

    Undo(context);
    EXPECT_EQ(console.CellAt(12, 22).ch, console.CellAt(12, 23).ch);
    EXPECT_EQ(state.boxCode, blocks[0]);
    Undo(context);
    EXPECT_EQ(state.boxCode, "");
    EXPECT_EQ(ScreenNow(), beforeBox);
}

TEST_F(RecordUndoTest, OldestObjectsStayOnceTheHistoryIsFull) {
    for (int i = 0; i < kHistorySize + 1; ++i)
        Place(ObjectKind::Box, 10 + i % 20, 20 + i % 40, 'B', i, 4);
    for (int i = 0; i < kHistorySize; ++i) Undo(context);
    EXPECT_EQ(state.boxCode, blocks[0]);
    const std::int64_t pauses = clock.TimeOfDayMs();
    Undo(context);
    EXPECT_EQ(state.boxCode, blocks[0]);
    EXPECT_EQ(clock.TimeOfDayMs(), pauses);
}

TEST_F(RecordUndoTest, SupportFunctionsOutliveTheirStar) {
    AddStarSupport(state);
    const std::string types = state.typeDecls;
    const std::string functions = state.supportFunctions;
    Place(ObjectKind::Star, 10, 20, 'S');
    Undo(context);
    EXPECT_EQ(state.starCode, "");
    EXPECT_EQ(state.typeDecls, types);
    EXPECT_EQ(state.supportFunctions, functions);
}

}  // namespace
}  // namespace gridlet
