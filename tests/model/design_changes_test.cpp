#include "model/design_changes.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace gridlet {
namespace {

DesignObject Object(std::int32_t number, ObjectKind kind,
                    Destination destination = Destination::Kind) {
    DesignObject object;
    object.number = number;
    object.kind = kind;
    object.destination = destination;
    object.block = "[" + std::to_string(number) + "]";
    return object;
}

// What the accumulators hold, in one line, to compare designs by.
std::string Written(const Design& design) {
    return "bg:" + design.backgroundPaintCode + " back:" + design.backLayerCode +
           " box:" + design.boxCode + " ellipse:" + design.ellipseCode +
           " paint:" + design.paintCode + " do:" + design.doStringBody;
}

TEST(DesignChanges, TheAccumulatorsAreWhatTheListWrites) {
    Design design;
    RecordPlacement(design, Object(1, ObjectKind::Paint, Destination::Background));
    RecordPlacement(design, Object(2, ObjectKind::Box));
    RecordPlacement(design, Object(3, ObjectKind::Ellipse, Destination::BackLayer));
    RecordPlacement(design, Object(4, ObjectKind::Box));
    RecordPlacement(design, Object(5, ObjectKind::Box, Destination::BackLayer));
    RecordPlacement(design, Object(6, ObjectKind::Paint));
    EXPECT_EQ(Written(design), "bg:[1] back:[5][3] box:[2][4] ellipse: paint:[6] do:")
        << "the last sent to the back comes first";
}

// Each change and its undo and redo, as a table of steps over one design; after each step the
// accumulators are those of the list, and undoing everything gives the empty design back.
TEST(DesignChanges, EveryChangeUndoesAndRedoes) {
    Design design;
    RecordPlacement(design, Object(1, ObjectKind::Box));
    RecordPlacement(design, Object(2, ObjectKind::Box));
    RecordPlacement(design, Object(3, ObjectKind::Ellipse));
    DesignObject edited = Object(2, ObjectKind::Box);
    edited.block = "[2 edited]";
    MakeChange(design, {1, design.objects[1], 1, edited});
    DesignObject back = design.objects[0];
    back.destination = Destination::BackLayer;
    MakeChange(design, {0, design.objects[0], 2, back});  // to the back: drawn last on the grid
    MakeChange(design, {0, design.objects[0], 0, std::nullopt});  // delete

    const std::string states[] = {
        "bg: back: box: ellipse: paint: do:",
        "bg: back: box:[1] ellipse: paint: do:",
        "bg: back: box:[1][2] ellipse: paint: do:",
        "bg: back: box:[1][2] ellipse:[3] paint: do:",
        "bg: back: box:[1][2 edited] ellipse:[3] paint: do:",
        "bg: back:[1] box:[2 edited] ellipse:[3] paint: do:",
        "bg: back:[1] box: ellipse:[3] paint: do:",
    };
    EXPECT_EQ(Written(design), states[6]);
    for (int i = 5; i >= 0; --i) {
        ASSERT_TRUE(UndoChange(design));
        EXPECT_EQ(Written(design), states[i]) << "after undo to " << i;
    }
    EXPECT_FALSE(UndoChange(design));
    EXPECT_TRUE(design.objects.empty());
    for (int i = 1; i <= 6; ++i) {
        ASSERT_TRUE(RedoChange(design));
        EXPECT_EQ(Written(design), states[i]) << "after redo to " << i;
    }
    EXPECT_FALSE(RedoChange(design));
}

TEST(DesignChanges, ANewChangeDropsWhatWasUndone) {
    Design design;
    RecordPlacement(design, Object(1, ObjectKind::Box));
    RecordPlacement(design, Object(2, ObjectKind::Box));
    UndoChange(design);
    RecordPlacement(design, Object(3, ObjectKind::Box));
    EXPECT_FALSE(RedoChange(design));
    EXPECT_EQ(design.boxCode, "[1][3]");
}

TEST(DesignChanges, UndoLeavesAStringVariablesLeftoverAndRedoTakesItAgain) {
    Design design;
    DesignObject variable = Object(1, ObjectKind::StringVariable);
    variable.block = "head;place;";
    DesignObject leftover = Object(1, ObjectKind::StringVariable);
    leftover.block = "head;";
    leftover.leftover = true;
    RecordPlacement(design, variable, leftover);
    EXPECT_EQ(design.doStringBody, "head;place;");
    UndoChange(design);
    EXPECT_EQ(design.doStringBody, "head;");
    RedoChange(design);
    EXPECT_EQ(design.doStringBody, "head;place;");
    EXPECT_EQ(design.objects.size(), 1u);
}

// No limit on the history: every one of many placements is undone.
TEST(DesignChanges, TheHistoryHasNoLimit) {
    Design design;
    for (int i = 1; i <= 1000; ++i) RecordPlacement(design, Object(i, ObjectKind::Box));
    int undone = 0;
    while (UndoChange(design)) ++undone;
    EXPECT_EQ(undone, 1000);
    EXPECT_EQ(design.boxCode, "");
}

TEST(DesignChanges, AChangePastTheEndChangesNothing) {
    Design design;
    RecordPlacement(design, Object(1, ObjectKind::Box));
    EXPECT_THROW(MakeChange(design, {3, Object(9, ObjectKind::Box), 0, std::nullopt}),
                 std::logic_error);
    EXPECT_THROW(MakeChange(design, {0, design.objects[0], 5, Object(2, ObjectKind::Box)}),
                 std::logic_error);
    EXPECT_EQ(design.objects.size(), 1u);
    EXPECT_EQ(design.boxCode, "[1]");
    EXPECT_EQ(design.history.done.size(), 1u);
}

// A long design must not copy its whole list for each new object: the list and the history each
// move to a new place a handful of times over a thousand placements, redone after undoing them.
TEST(DesignChanges, ALongRunOfPlacementsGrowsTheListsInFewSteps) {
    Design design;
    int listMoves = 0;
    int historyMoves = 0;
    const auto count = [&](auto step) {
        const DesignObject* list = design.objects.data();
        const ObjectChange* history = design.history.done.data();
        step();
        listMoves += design.objects.data() != list ? 1 : 0;
        historyMoves += design.history.done.data() != history ? 1 : 0;
    };
    for (int n = 1; n <= 1000; ++n)
        count([&] { RecordPlacement(design, Object(n, ObjectKind::Box)); });
    while (UndoChange(design)) {
    }
    for (int n = 1; n <= 1000; ++n) count([&] { RedoChange(design); });
    EXPECT_EQ(design.objects.size(), 1000u);
    EXPECT_LT(listMoves, 30);
    EXPECT_LT(historyMoves, 30);
}

}  // namespace
}  // namespace gridlet
