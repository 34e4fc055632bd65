#include "app/picture_on_grid.h"

#include <gtest/gtest.h>

#include "doubles/memory_backend.h"
#include "doubles/virtual_clock.h"
#include "model/design_changes.h"
#include "support/window_design.h"

namespace gridlet {
namespace {

DesignObject Block(int number, const std::string& block) {
    DesignObject object;
    object.number = number;
    object.kind = ObjectKind::Box;
    object.block = block;
    return object;
}

// The window's cells show the picture while on; a statement that cannot be drawn is named once,
// not again on each later update.
TEST(PictureOnGrid, ShowsThePictureAndNamesWhatIsNotDrawnOnce) {
    MemoryBackend backend;
    VirtualClock clock;
    Console console(backend, clock);
    Design design = WindowDesign();
    PictureOnGrid picture;

    EXPECT_EQ(picture.Show(console, Design{}, true), "") << "no window, no picture";
    EXPECT_FALSE(console.ShowsCellPicture());
    EXPECT_EQ(picture.Show(console, design, true), "");
    EXPECT_TRUE(console.ShowsCellPicture());

    RecordPlacement(design, Block(1, "   GRAPHIC FROB 1\r\n"));
    const std::string notice = picture.Show(console, design, true);
    EXPECT_NE(notice.find("not drawn"), std::string::npos) << notice;
    EXPECT_NE(notice.find("GRAPHIC FROB 1"), std::string::npos) << notice;
    EXPECT_EQ(picture.Show(console, design, true), "") << "named once";
    RecordPlacement(design, Block(2, "   GRAPHIC BOX (1, 1) - (9, 9)\r\n"));
    EXPECT_EQ(picture.Show(console, design, true), "") << "still the same statement";

    EXPECT_EQ(picture.Show(console, design, false), "");
    EXPECT_FALSE(console.ShowsCellPicture()) << "the marks again";
}

}  // namespace
}  // namespace gridlet
