#include "design/fit_marks.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "all_images.h"
#include "design/grid_markers.h"
#include "support/console_fixture.h"

namespace gridlet {
namespace {

GridMark Marked(MarkKind kind, CellRect area, std::string name = {}) {
    return {kind, area, 0, std::move(name)};
}

DesignObject Object(ObjectKind kind, GridMark mark) {
    DesignObject object;
    object.kind = kind;
    object.mark = std::move(mark);
    return object;
}

struct FitCase {
    const char* name;
    std::vector<DesignObject> drawn;  // the objects as placed, their marks on the stored screen
    std::vector<CellRect> read;       // each mark's area as read back from the code
};

void PrintTo(const FitCase& c, std::ostream* out) {
    *out << c.name;
}

class FitMarksTest : public ConsoleFixture, public testing::WithParamInterface<FitCase> {};

// The stored screen shows the marks as the tools drew them; from the areas the code gives, the
// marks come back whole, also where a later mark lies over part of one.
TEST_P(FitMarksTest, MarksReachAsFarAsTheStoredScreenShows) {
    PaintMainScreen(screen);
    for (const DesignObject& object : GetParam().drawn) DrawMark(screen, object.mark);
    const std::string stored = ScreenBytes();

    std::vector<DesignObject> read = GetParam().drawn;
    for (std::size_t i = 0; i < read.size(); ++i) read[i].mark.area = GetParam().read[i];
    FitMarks(screen, read, stored);

    for (std::size_t i = 0; i < read.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(read[i].mark, GetParam().drawn[i].mark);
    }
    EXPECT_TRUE(ScreenBytes() == stored);
}

INSTANTIATE_TEST_SUITE_P(
    Marks, FitMarksTest,
    testing::Values(FitCase{"TextOutlineUnderALaterBox",
                            {Object(ObjectKind::Text, Marked(MarkKind::Text, {10, 20, 16, 45})),
                             Object(ObjectKind::Box, Marked(MarkKind::Outline, {12, 30, 20, 60}))},
                            {{10, 20, 10, 31}, {12, 30, 20, 60}}},
                    FitCase{"OneRowTextAndVariable",
                            {Object(ObjectKind::Text, Marked(MarkKind::Text, {5, 20, 5, 40})),
                             Object(ObjectKind::StringVariable,
                                    Marked(MarkKind::StringVariable, {7, 20, 7, 35}, "sName"))},
                            {{5, 20, 5, 22}, {7, 20, 7, 24}}},
                    FitCase{
                        "LineStepRunAndColumn",
                        {Object(ObjectKind::LineStep, Marked(MarkKind::Line, {30, 15, 30, 50})),
                         Object(ObjectKind::LineStep, Marked(MarkKind::Line, {32, 15, 40, 15}))},
                        {{30, 15, 30, 15}, {32, 15, 32, 15}}}),
    [](const testing::TestParamInfo<FitCase>& testCase) { return testCase.param.name; });

// A mark the stored screen does not show, as when the file's screen was changed, stays as the
// code gives it; so does the mark of a kind whose code gives its whole area.
TEST_F(FitMarksTest, MarksTheScreenDoesNotShowStayAsRead) {
    PaintMainScreen(screen);
    DrawMark(screen, Marked(MarkKind::Outline, {10, 20, 16, 45}));
    const std::string stored = ScreenBytes();
    std::vector<DesignObject> read = {
        Object(ObjectKind::Text, Marked(MarkKind::Text, {20, 20, 20, 31})),
        Object(ObjectKind::Box, Marked(MarkKind::Outline, {10, 20, 12, 30})),
    };
    const std::vector<DesignObject> before = read;
    FitMarks(screen, read, stored);
    EXPECT_EQ(read, before);
}

}  // namespace
}  // namespace gridlet
