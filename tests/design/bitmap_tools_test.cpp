#include "design/drawing_tools.h"
#include "design/object_block.h"
#include "design/tool_fixture.h"
#include "design/undo.h"
#include "model/command_codes.h"
#include "support/undo_view.h"

namespace gridlet {
namespace {

constexpr std::uint8_t kLight = 0x87;  // light grey on dark grey
constexpr std::uint8_t kDark = 0x80;   // black on dark grey

class BitmapToolTest : public ToolFixture {
  protected:
    std::string CellsAt(int row, int col, int count) const {
        return RowText(row, col, col + count - 1);
    }
    void ExpectNothingPlaced() {
        EXPECT_EQ(backend.Pending(), 0u);
        EXPECT_EQ(design.objectNumber, 1);
        EXPECT_TRUE(NothingRecorded());
        EXPECT_EQ(ScreenBytes(), passScreen);
        EXPECT_EQ(pass.snapshot, "");
    }
};

// 200 x 50 pixels cover 18 columns and 3 rows from the area's first corner, whatever was marked.
TEST_F(BitmapToolTest, ANaturalSizeBitmapIsMarkedOverTheCellsItCovers) {
    MakeWindow(2, 12, 40, 70);
    Mark(4, 14, 5, 16);
    StartPass();
    ChooseBitmap("pic.bmp");
    ClickMoveAccept();
    RunDrawingTool(context, kBmpCommand);

    EXPECT_EQ((std::array{pass.area.AreaTop, pass.area.AreaLeft, pass.area.AreaBottom,
                          pass.area.AreaRight}),
              (std::array{4, 14, 6, 31}));
    EXPECT_EQ(CellsAt(4, 14, 18), "\xDA" + std::string(16, '\xC4') + "\xBF");
    EXPECT_EQ(CellsAt(5, 14, 4), "\xB3pic");
    EXPECT_EQ(CellsAt(6, 14, 18), "\xC0" + std::string(16, '\xC4') + "\xD9");
    EXPECT_EQ(AttrAt(5, 15), kDark);
    EXPECT_EQ(AttrAt(5, 31), kDark);
    EXPECT_EQ(AttrAt(5, 14), kLight);
    EXPECT_EQ(pass.pending.bitmapName, "pic.bmp");
    EXPECT_EQ((std::array{pass.pending.bitmapWidth, pass.pending.bitmapHeight}),
              (std::array{200, 50}));
}

TEST_F(BitmapToolTest, AStretchedBitmapIsMarkedOverTheAreaWithItsName) {
    MakeWindow(2, 12, 40, 70);
    Mark(4, 14, 6, 20);
    StartPass();
    ChooseBitmap("pic.bmp");
    RunDrawingTool(context, kBmpStretchedCommand);

    EXPECT_EQ(CellsAt(4, 14, 7), "\xDA\xC4\xC4\xC4\xC4\xC4\xBF");
    EXPECT_EQ(CellsAt(5, 14, 7), "\xB3pic" + RowText(5, 18, 19) + "\xB3");
    EXPECT_EQ(CellsAt(6, 14, 7), "\xC0\xC4\xC4\xC4\xC4\xC4\xD9");
    EXPECT_EQ(NewestBlock(design), design.bitmapCode);
    EXPECT_EQ(BuildObjectBlock(design.objects.back()), design.objects.back().block);
}

TEST_F(BitmapToolTest, AStretchedBitmapWithoutWidthIsRefusedWithItsNameInCapitals) {
    std::ofstream(folder / "broken.bmp") << "not a bitmap";
    MakeWindow(2, 12, 40, 70);
    Mark(4, 14, 6, 20);
    StartPass();
    ChooseBitmap("broken.bmp");
    backend.Script(KeyEvent('\r'));
    RunDrawingTool(context, kBmpStretchedCommand);

    const Frame* message = FirstFrameWithText("BROKEN.BMP is reporting zero for width.");
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(FrameHasText(*message, "Guess what"));
    EXPECT_TRUE(FrameHasText(*message, "Something seems to be wrong with your BMP file. "));
    EXPECT_TRUE(FrameHasText(*message, "Is it located in the Program's directory?"));
    EXPECT_TRUE(FrameHasText(*message, "The name might be spelled wrong.         "));
    ExpectNothingPlaced();
}

// The widest bitmap there is, moved left to fit: its outline runs off the screen's left edge and
// is drawn up to it; one pixel wider and it cannot be read.
TEST_F(BitmapToolTest, TheWidestBitmapIsOutlinedOnTheScreenAndAWiderOneIsUnreadable) {
    WriteBmp(folder / "widest.bmp", 32767, 2);
    WriteBmp(folder / "wider.bmp", 32768, 2);
    MakeWindow(2, 12, 40, 70);
    Mark(4, 14, 6, 20);
    StartPass();
    ChooseBitmap("widest.bmp");
    backend.Script(KeyEvent('y'));
    ClickMoveAccept();
    RunDrawingTool(context, kBmpCommand);

    EXPECT_EQ(design.bitmapCode, " GRAPHIC RENDER \"" + InFolder("widest.bmp") +
                                     "\", (-32091, 50) - (676, 52)         ' [[  1  ]] \r\n\r\n");
    EXPECT_EQ(NewestBlock(design), design.bitmapCode);
    EXPECT_EQ(BuildObjectBlock(design.objects.back()), design.objects.back().block);
    EXPECT_EQ(CellsAt(4, 1, 70), std::string(69, '\xC4') + "\xBF");
    EXPECT_EQ(CellsAt(5, 1, 70), std::string(69, '\xC4') + "\xD9");

    design.objectNumber = 0;
    Mark(4, 14, 6, 20);
    StartPass();
    passScreen = pass.snapshot;
    ChooseBitmap("wider.bmp");
    backend.Script(KeyEvent('\r'));
    const std::string code = design.bitmapCode;
    RunDrawingTool(context, kBmpStretchedCommand);
    EXPECT_TRUE(EverShown("WIDER.BMP is reporting zero for width."));
    EXPECT_EQ(design.bitmapCode, code);
    EXPECT_EQ(ScreenBytes(), passScreen);
}

TEST_F(BitmapToolTest, NoFileChosenEndsEitherToolSilently) {
    MakeWindow(2, 12, 40, 70);
    for (std::int16_t command : {kBmpCommand, kBmpStretchedCommand}) {
        design.objectNumber = 0;
        Mark(4, 14, 6, 20);
        StartPass();
        backend.Script(KeyEvent(kEscKey));
        RunDrawingTool(context, command);
        ExpectNothingPlaced();
    }
}

// A window 20 columns (229 pixels) wide from column 30 and a bitmap 300 pixels wide.
TEST_F(BitmapToolTest, YesToTheWidthQuestionMovesTheBitmapToTheWindowsRightEdge) {
    WriteBmp(folder / "wide.bmp", 300, 50);
    MakeWindow(2, 30, 40, 49);
    Mark(4, 32, 6, 40);
    StartPass();
    ChooseBitmap("wide.bmp");
    backend.Script(KeyEvent('y'));
    ClickMoveAccept();
    RunDrawingTool(context, kBmpCommand);

    EXPECT_TRUE(EverShown("Not enough width to contain the full BMP "));
    EXPECT_TRUE(EverShown("It will move left about  97 pixels if you do."));
    EXPECT_EQ(design.bitmapCode, " GRAPHIC RENDER \"" + InFolder("wide.bmp") +
                                     "\", (-71, 50) - (229, 100)         ' [[  1  ]] \r\n\r\n");
    // The far corner is x1 and y1 plus the bitmap's size: it ends at the window's right edge.
    // x1 = -71 maps back to column 24; 300 pixels cover 27 columns from there.
    EXPECT_EQ(pass.area.AreaLeft, 24);
    EXPECT_EQ(CellsAt(4, 24, 27), "\xDA" + std::string(25, '\xC4') + "\xBF");
    EXPECT_EQ(CellsAt(5, 25, 4), "wide");
}

TEST_F(BitmapToolTest, NoToAFitQuestionPlacesNothing) {
    WriteBmp(folder / "wide.bmp", 300, 50);
    MakeWindow(2, 30, 40, 49);
    Mark(4, 32, 6, 40);
    StartPass();
    ChooseBitmap("wide.bmp");
    backend.Script(KeyEvent('n'));
    RunDrawingTool(context, kBmpCommand);
    ExpectNothingPlaced();
}

// A window 166 pixels high from row 10 and a bitmap 200 pixels high: the bitmap goes up to the
// window's top, above it in fact, so y1 is put back to 3.
TEST_F(BitmapToolTest, YesToTheHeightQuestionMovesTheBitmapUp) {
    WriteBmp(folder / "tall.bmp", 40, 200);
    MakeWindow(10, 30, 16, 49);
    Mark(12, 32, 13, 34);
    StartPass();
    ChooseBitmap("tall.bmp");
    backend.Script(KeyEvent('y'));
    ClickMoveAccept();
    RunDrawingTool(context, kBmpCommand);

    EXPECT_TRUE(EverShown("Not enough height to contain the full BMP "));
    EXPECT_TRUE(EverShown("It will move up about  107 pixels if you do."));
    EXPECT_FALSE(EverShown("Not enough width"));
    EXPECT_EQ(design.bitmapCode, " GRAPHIC RENDER \"" + InFolder("tall.bmp") +
                                     "\", (26, 3) - (66, 203)         ' [[  1  ]] \r\n\r\n");
    EXPECT_EQ((std::array{pass.area.AreaTop, pass.area.AreaLeft, pass.area.AreaBottom,
                          pass.area.AreaRight}),
              (std::array{8, 32, 16, 35}));
    EXPECT_EQ(CellsAt(8, 32, 4), "\xDA\xC4\xC4\xBF");
    EXPECT_EQ(CellsAt(16, 32, 4), "\xC0\xC4\xC4\xD9");
}

// A natural-size bitmap of at most 11 pixels, or one that cannot be read (0 x 0), covers one
// column or less: it gets a one-column outline and is recorded with its undo entry.
TEST_F(BitmapToolTest, ANarrowOrUnreadableBitmapGetsAOneColumnOutline) {
    WriteBmp(folder / "tiny.bmp", 10, 10);
    std::ofstream(folder / "broken.bmp") << "not a bitmap";
    const struct {
        const char* file;
        const char* corner;
        const char* name;
    } cases[] = {{"tiny.bmp", "(36, 60)", "tiny"}, {"broken.bmp", "(26, 50)", "broken"}};
    MakeWindow(2, 12, 40, 70);
    for (const auto& c : cases) {
        design.objectNumber = 0;
        Mark(4, 14, 6, 20);
        StartPass();
        ChooseBitmap(c.file);
        ClickMoveAccept();
        RunDrawingTool(context, kBmpCommand);

        const std::string block = " GRAPHIC RENDER \"" + InFolder(c.file) + "\", (26, 50) - " +
                                  c.corner + "         ' [[  1  ]] \r\n\r\n";
        EXPECT_EQ(design.bitmapCode, block);
        EXPECT_EQ(NewestBlock(design), block);
        EXPECT_EQ(ScreenUndoWouldShow(screen, design), passScreen);
        EXPECT_EQ(CellsAt(4, 14, 1), "\xDA") << c.file;
        const std::string name = c.name;
        EXPECT_EQ(CellsAt(5, 14, 1), "\xC0");
        EXPECT_EQ(CellsAt(5, 15, static_cast<int>(name.size())), name);
        EXPECT_EQ(AttrAt(4, 14), kLight);

        Undo(context);
        EXPECT_EQ(design.bitmapCode, "");
        EXPECT_EQ(ScreenBytes(), passScreen);
    }
}

}  // namespace
}  // namespace gridlet
