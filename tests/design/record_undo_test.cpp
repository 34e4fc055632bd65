#include <gtest/gtest.h>

#include <new>
#include <string>
#include <utility>

#include "codegen/support_functions.h"
#include "design/record_object.h"
#include "design/tool_course.h"
#include "design/undo.h"
#include "doubles/memory_backend.h"
#include "doubles/memory_clipboard.h"
#include "doubles/virtual_clock.h"
#include "output/compose_program.h"

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
        RecordObject(context, kind,
                     [&] { screen.PrintAt(row, col, 14, 8, std::string(1, marker)); });
        blocks.push_back(block);
        return pass.snapshot;
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
    const std::string before = Place(ObjectKind::Box, 10, 20, 'B');
    EXPECT_EQ(design.boxCode, blocks[0]);
    EXPECT_EQ(design.codeHistory[0], blocks[0]);
    EXPECT_EQ(design.screenHistory[0], before);
    EXPECT_EQ(console.CellAt(10, 20).ch, 'B');
    EXPECT_EQ(console.CellAt(46, 1).ch, ' ') << "the tool's menu is gone";
    EXPECT_EQ(pass.pending.pendingStatement, "");
    EXPECT_EQ(pass.pending.pendingSnapshot, "");
}

// A failure while an object is recorded (memory running out while its marker is drawn) leaves
// neither its code nor an undo entry, for any kind, for the background paint and for a block the
// move menu sent to the back; the design's earlier object stays undoable.
TEST_F(RecordUndoTest, AFailureWhileRecordingLeavesNeitherCodeNorUndoEntry) {
    const struct {
        const char* what;
        ObjectKind kind;
        bool sentToBack;
    } cases[] = {{"box", ObjectKind::Box, false},
                 {"background paint", ObjectKind::Paint, false},
                 {"star", ObjectKind::Star, false},
                 {"ellipse sent to the back", ObjectKind::Ellipse, true}};
    for (const auto& c : cases) {
        design = Design{};
        blocks.clear();
        if (c.kind != ObjectKind::Paint) Place(c.kind, 10, 20, 'A');
        const Design before = design;
        pass.snapshot = ScreenNow();
        ++design.objectNumber;
        BuildPendingStatement(pass.pending, pass.current.properties, design.objectNumber, c.kind);
        ASSERT_NE(pass.pending.pendingStatement, "");
        if (c.sentToBack)
            std::swap(pass.pending.sentToBackStatement, pass.pending.pendingStatement);
        EXPECT_THROW(RecordObject(context, c.kind, [] { throw std::bad_alloc(); }), std::bad_alloc);

        EXPECT_EQ(design.boxCode, before.boxCode) << c.what;
        EXPECT_EQ(design.starCode, before.starCode) << c.what;
        EXPECT_EQ(design.ellipseCode, before.ellipseCode) << c.what;
        EXPECT_EQ(design.backLayerCode, "") << c.what;
        EXPECT_EQ(design.backgroundPaintCode, "") << c.what;
        EXPECT_EQ(design.codeHistory, before.codeHistory) << c.what;
        EXPECT_EQ(design.screenHistory, before.screenHistory) << c.what;
        EXPECT_EQ(pass.pending.pendingStatement, "") << c.what;
        EXPECT_EQ(pass.pending.sentToBackStatement, "") << c.what;
        EXPECT_EQ(pass.pending.pendingSnapshot, "") << c.what;
    }
}

TEST_F(RecordUndoTest, RecordingClearsTheToolsValues) {
    pass.pending.arcStart = "0";
    pass.pending.arcEnd = "1";
    Place(ObjectKind::Arc, 10, 20, 'A');
    EXPECT_EQ(pass.pending.arcStart, "");
    EXPECT_EQ(pass.pending.arcEnd, "");

    pass.current.lineKeepFlag = true;
    pass.current.properties.edgeColor = "255";
    pass.current.properties.lineWidth = "6";
    Place(ObjectKind::Line, 11, 20, 'L');
    EXPECT_FALSE(pass.current.lineKeepFlag);
    EXPECT_EQ(pass.current.properties.edgeColor, "");
    EXPECT_EQ(pass.current.properties.lineWidth, "");
    EXPECT_EQ(design.lineCode, blocks[1]);
}

TEST_F(RecordUndoTest, FirstPaintIsTheBackgroundAndLaterPaintsAreNot) {
    design.backgroundPaintCode = "an earlier design's background\r\n";
    Place(ObjectKind::Paint, 10, 20, 'P');
    Place(ObjectKind::Paint, 11, 20, 'P');
    EXPECT_EQ(design.backgroundPaintCode, blocks[0]);
    EXPECT_EQ(design.paintCode, blocks[1]);
}

TEST_F(RecordUndoTest, APaintReplaceIsNeverTheBackground) {
    Place(ObjectKind::PaintReplace, 10, 20, 'P');
    EXPECT_EQ(design.objectNumber, 1);
    EXPECT_EQ(design.backgroundPaintCode, "");
    EXPECT_EQ(design.paintCode, blocks[0]);
}

TEST_F(RecordUndoTest, UndoWalksBackOneObjectAtATime) {
    const std::string beforeFirstBox = Place(ObjectKind::Box, 10, 20, 'B');
    const std::string beforeEllipse = Place(ObjectKind::Ellipse, 12, 22, 'E');
    const std::string beforeSecondBox = Place(ObjectKind::Box, 10, 20, 'B');
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

TEST_F(RecordUndoTest, UndoClearsTheLineKeepFlag) {
    Place(ObjectKind::Box, 10, 20, 'B');
    pass.current.lineKeepFlag = true;
    Undo(context);
    EXPECT_FALSE(pass.current.lineKeepFlag);
}

// A paint placed as the first object lives outside the kind accumulators; it is undone all the
// same instead of blocking every undo after it.
TEST_F(RecordUndoTest, UndoRemovesTheBackgroundPaint) {
    const std::string beforePaint = Place(ObjectKind::Paint, 10, 20, 'P');
    Place(ObjectKind::Box, 12, 22, 'B');
    Undo(context);
    Undo(context);
    EXPECT_EQ(design.backgroundPaintCode, "");
    EXPECT_EQ(ScreenNow(), beforePaint);
    EXPECT_TRUE(design.screenHistory[0].empty());
}

// A string variable placed without a Preview leaves an empty history entry; undoing it takes its
// mark away and the next undo reaches the object before it.
TEST_F(RecordUndoTest, EntryWithoutCodeDoesNotBlockUndo) {
    const std::string beforeBox = Place(ObjectKind::Box, 10, 20, 'B');
    pass.snapshot = ScreenNow();
    pass.pending.pendingStatement.clear();
    RecordObject(context, ObjectKind::Ellipse, [&] { screen.PrintAt(12, 22, 14, 8, "E"); });

    Undo(context);
    EXPECT_EQ(console.CellAt(12, 22).ch, console.CellAt(12, 23).ch);
    EXPECT_EQ(design.boxCode, blocks[0]);
    Undo(context);
    EXPECT_EQ(design.boxCode, "");
    EXPECT_EQ(ScreenNow(), beforeBox);
}

TEST_F(RecordUndoTest, EntryWhoseBlockNoTextHoldsDoesNotBlockUndo) {
    const std::string beforeBox = Place(ObjectKind::Box, 10, 20, 'B');
    const std::string beforeEllipse = Place(ObjectKind::Ellipse, 12, 22, 'E');
    design.ellipseCode.clear();

    Undo(context);
    EXPECT_EQ(ScreenNow(), beforeEllipse);
    EXPECT_EQ(design.codeHistory[0], blocks[0]);
    Undo(context);
    EXPECT_EQ(design.boxCode, "");
    EXPECT_EQ(ScreenNow(), beforeBox);
}

TEST_F(RecordUndoTest, OldestObjectsStayOnceTheHistoryIsFull) {
    for (int i = 0; i < kHistorySize + 1; ++i)
        Place(ObjectKind::Box, 10 + i % 20, 20 + i % 40, 'B', i, 4);
    for (int i = 0; i < kHistorySize; ++i) Undo(context);
    EXPECT_EQ(design.boxCode, blocks[0]);
    const std::int64_t pauses = clock.TimeOfDayMs();
    Undo(context);
    EXPECT_EQ(design.boxCode, blocks[0]);
    EXPECT_EQ(clock.TimeOfDayMs(), pauses);
}

TEST_F(RecordUndoTest, SupportFunctionsOutliveTheirStar) {
    const SupportTexts support = AddStarSupport({});
    design.typeDecls = support.typeDecls;
    design.supportFunctions = support.supportFunctions;
    const std::string types = design.typeDecls;
    const std::string functions = design.supportFunctions;
    Place(ObjectKind::Star, 10, 20, 'S');
    Undo(context);
    EXPECT_EQ(design.starCode, "");
    EXPECT_EQ(design.typeDecls, types);
    EXPECT_EQ(design.supportFunctions, functions);
}

}  // namespace
}  // namespace gridlet
