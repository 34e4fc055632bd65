#include "output/design_picture.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "codegen/statement_emitter.h"
#include "model/design_changes.h"
#include "support/window_design.h"

namespace gridlet {
namespace {

DesignObject Drawn(int number, ObjectKind kind, int x1, int y1, int x2, int y2,
                   const std::string& fill = "%RED", Destination destination = Destination::Kind) {
    StatementValues values;
    values.objectNumber = number;
    values.x1 = x1;
    values.y1 = y1;
    values.x2 = x2;
    values.y2 = y2;
    values.properties.fillColor = fill;
    DesignObject object;
    object.number = number;
    object.kind = kind;
    object.destination = destination;
    object.block = StatementBlock(values, kind, Build::Placement);
    return object;
}

using Step = std::function<void(Design&)>;

Step Place(DesignObject object) {
    return [object](Design& design) { RecordPlacement(design, object); };
}

const Step kUndo = [](Design& design) { UndoChange(design); };
const Step kRedo = [](Design& design) { RedoChange(design); };

struct Sequence {
    const char* name;
    std::vector<Step> steps;
    std::vector<PictureChange> expected;  // how each step is drawn
};

// After each step the picture kept equals the picture drawn from nothing, pixel for pixel; only
// an object on top of all the others is drawn onto the kept picture.
TEST(DesignPicture, KeptPictureIsTheWholeDrawnAgain) {
    const std::vector<Sequence> sequences = {
        {"boxes on top",
         {Place(Drawn(1, ObjectKind::Box, 10, 10, 200, 150)),
          Place(Drawn(2, ObjectKind::Box, 100, 100, 300, 300, "%BLUE"))},
         {PictureChange::Added, PictureChange::Added}},
        {"an ellipse, then a box under it",
         {Place(Drawn(1, ObjectKind::Ellipse, 10, 10, 200, 150)),
          Place(Drawn(2, ObjectKind::Box, 50, 50, 300, 300, "%BLUE"))},
         {PictureChange::Added, PictureChange::Redrawn}},
        {"a paint over boxes, then a box sent to the back",
         {Place(Drawn(1, ObjectKind::Box, 10, 10, 200, 150)),
          Place(Drawn(2, ObjectKind::Paint, 250, 250, 250, 250, "%GREEN")),
          Place(Drawn(3, ObjectKind::Box, 20, 200, 120, 400, "%BLUE", Destination::BackLayer))},
         {PictureChange::Added, PictureChange::Added, PictureChange::Redrawn}},
        {"a background paint, then boxes",
         {Place(Drawn(1, ObjectKind::Paint, 5, 5, 5, 5, "%YELLOW", Destination::Background)),
          Place(Drawn(2, ObjectKind::Box, 10, 10, 200, 150))},
         {PictureChange::Added, PictureChange::Added}},
        {"undo and redo",
         {Place(Drawn(1, ObjectKind::Box, 10, 10, 200, 150)),
          Place(Drawn(2, ObjectKind::Box, 100, 100, 300, 300, "%BLUE")), kUndo, kRedo, kUndo,
          kUndo},
         {PictureChange::Added, PictureChange::Added, PictureChange::Redrawn, PictureChange::Added,
          PictureChange::Redrawn, PictureChange::Redrawn}},
    };
    for (const Sequence& sequence : sequences) {
        Design design = WindowDesign();
        DesignPicture kept;
        kept.Update(design);
        for (std::size_t i = 0; i < sequence.steps.size(); ++i) {
            sequence.steps[i](design);
            const PictureChange change = kept.Update(design);
            DesignPicture whole;
            whole.Update(design);
            const RgbImage& picture = kept.Picture();
            ASSERT_GT(picture.width, 0) << sequence.name;
            EXPECT_EQ(change, sequence.expected[i]) << sequence.name << ", step " << i + 1;
            EXPECT_EQ(picture.width, whole.Picture().width);
            EXPECT_EQ(picture.height, whole.Picture().height);
            EXPECT_TRUE(picture.pixels == whole.Picture().pixels)
                << sequence.name << ", step " << i + 1;
            EXPECT_TRUE(kept.NotDrawnList().empty()) << sequence.name;
        }
        if (!design.objects.empty()) {
            EXPECT_NE(kept.Picture().At(105, 60), (Rgb{255, 255, 255}))
                << sequence.name << ": the first object is drawn";
        }
    }
}

TEST(DesignPicture, NothingChangedDrawsNothing) {
    Design design = WindowDesign();
    DesignPicture picture;
    EXPECT_EQ(picture.Update(Design{}), PictureChange::None) << "no window, no picture";
    EXPECT_EQ(picture.Update(design), PictureChange::Redrawn);
    EXPECT_EQ(picture.Update(design), PictureChange::None);
    EXPECT_EQ(picture.Picture().At(50, 50), (Rgb{255, 255, 255})) << "the window's white";
}

// A statement the renderer cannot draw stays listed when an object is added on top, with its
// line number in the whole program.
TEST(DesignPicture, NotDrawnStatementsStayListed) {
    Design design = WindowDesign();
    DesignObject broken = Drawn(1, ObjectKind::Box, 10, 10, 200, 150);
    broken.block = "   GRAPHIC FROB 1\r\n";
    DesignPicture picture;
    RecordPlacement(design, broken);
    picture.Update(design);
    ASSERT_EQ(picture.NotDrawnList().size(), 1U);
    const int line = picture.NotDrawnList()[0].line;
    RecordPlacement(design, Drawn(2, ObjectKind::Box, 10, 10, 20, 20));
    EXPECT_EQ(picture.Update(design), PictureChange::Added);
    ASSERT_EQ(picture.NotDrawnList().size(), 1U);
    EXPECT_EQ(picture.NotDrawnList()[0].line, line);
    DesignPicture whole;
    whole.Update(design);
    ASSERT_EQ(whole.NotDrawnList().size(), 1U);
    EXPECT_EQ(whole.NotDrawnList()[0].line, line);
}

}  // namespace
}  // namespace gridlet
