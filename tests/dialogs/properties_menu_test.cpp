#include "dialogs/properties_menu.h"

#include <ostream>

#include "dialogs/menu_fixture.h"

namespace gridlet {
namespace {

// Places in the menu and in the colour chooser it opens.
constexpr int kFillRow = 7, kEdgeRow = 10, kStyleRow = 13, kCornerRow = 16, kButtonCol = 40;
constexpr int kDigitRow = 21;
constexpr int kOkRow = 25, kOkCol = 45;
constexpr int kPinkSwatchRow = 12, kRedSwatchRow = 13, kSwatchCol = 25;  // 0xFF8080 and 0xFF0000
constexpr int kChooserButtonRow = 28, kChooserOkCol = 34, kChooserCancelCol = 52;
const char* const kPink = "8421631";
const char* const kRed = "255";

class PropertiesMenuTest : public MenuFixture {
  protected:
    void ChooseSwatch(int swatchRow) {
        Click(swatchRow, kSwatchCol);
        Click(kChooserButtonRow, kChooserOkCol);
    }
    void ClickOk() { Click(kOkRow, kOkCol); }
};

struct Availability {
    const char* target;
    PropertiesTarget flag;
    bool fill, edge, style, corner, thickness;
    int beeps;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Availability& a, std::ostream* out) {
    *out << a.target;
}

class PropertiesAvailability : public PropertiesMenuTest,
                               public ::testing::WithParamInterface<Availability> {};

// Every button is clicked once; those that respond get an answer, so a button that responds
// when it should not (or the reverse) leaves the wrong values, beeps or script behind.
TEST_P(PropertiesAvailability, OnlyTheTargetsButtonsRespond) {
    const Availability& a = GetParam();
    pass.current.target = a.flag;
    Click(kFillRow, kButtonCol);
    if (a.fill) ChooseSwatch(kPinkSwatchRow);
    Click(kEdgeRow, kButtonCol);
    if (a.edge) ChooseSwatch(kRedSwatchRow);
    Click(kStyleRow, kButtonCol);
    if (a.style) TypeLine("3");
    Click(kCornerRow, kButtonCol);
    if (a.corner) TypeLine("4");
    Click(kDigitRow, 59);
    ClickOk();

    OpenPropertiesMenu(context);

    EXPECT_EQ(backend.Pending(), 0u);
    EXPECT_EQ(backend.beeps, a.beeps);
    const Properties& p = pass.current.properties;
    EXPECT_EQ(p.fillColor, a.fill ? kPink : "%WHITE");
    EXPECT_EQ(p.edgeColor, a.edge ? kRed : "0");
    EXPECT_EQ(p.fillStyle, a.style ? "3" : "0");
    EXPECT_EQ(p.cornerSidesPoints, a.corner ? "4" : "0");
    EXPECT_EQ(p.lineWidth, a.thickness ? "20" : "2");
}

INSTANTIATE_TEST_SUITE_P(
    Targets, PropertiesAvailability,
    ::testing::Values(
        Availability{"window", PropertiesTarget::None, true, true, true, true, true, 0},
        Availability{"text", PropertiesTarget::Text, true, true, false, false, false, 2},
        Availability{"star", PropertiesTarget::Star, false, true, false, true, true, 2},
        Availability{"polygon", PropertiesTarget::Polygon, true, true, true, true, true, 0},
        Availability{"rectangle", PropertiesTarget::Rectangle, true, true, true, true, true, 0},
        Availability{"ellipse", PropertiesTarget::Ellipse, true, true, true, false, true, 1},
        Availability{"line", PropertiesTarget::Line, false, true, false, false, true, 3},
        Availability{"arc", PropertiesTarget::Arc, false, true, false, false, true, 3},
        Availability{"pie", PropertiesTarget::Pie, true, true, true, false, true, 1},
        Availability{"paint", PropertiesTarget::Paint, true, true, false, false, false, 2},
        Availability{"paintReplace", PropertiesTarget::PaintReplace, true, false, false, false,
                     false, 2}),
    [](const ::testing::TestParamInfo<Availability>& tested) {
        return std::string(tested.param.target);
    });

TEST_F(PropertiesMenuTest, ThicknessButtonsSetTwiceTheirLabel) {
    const struct {
        int col;
        const char* width;
    } cases[] = {{31, "2"}, {33, "2"}, {34, "4"}, {44, "10"}, {57, "18"}, {58, "20"}, {60, "20"}};
    for (const auto& c : cases) {
        pass.current.properties.lineWidth = "x";
        Click(kDigitRow, c.col);
        ClickOk();
        OpenPropertiesMenu(context);
        EXPECT_EQ(pass.current.properties.lineWidth, c.width) << c.col;
    }
}

TEST_F(PropertiesMenuTest, OnlyTheLastThicknessShowsPressedAndDReadsOne) {
    Click(kDigitRow, 44);
    Click(kDigitRow, 32);
    EXPECT_THROW(OpenPropertiesMenu(context), ScriptExhausted);
    EXPECT_TRUE(Shows(kThickness1Pressed));
    EXPECT_EQ(console.CellAt(kDigitRow, 32).ch, '1');
    EXPECT_EQ(console.CellAt(kDigitRow, 44).ch, '5');
    EXPECT_EQ(console.CellAt(kDigitRow, 44).attr, 0x71);
}

TEST_F(PropertiesMenuTest, AClickBesideTheButtonsUnpressesTheRowAndKeepsTheWidth) {
    Click(kDigitRow, 44);
    Click(kDigitRow, 61);  // the last column of the 10 frame
    Click(22, 62);
    EXPECT_THROW(OpenPropertiesMenu(context), ScriptExhausted);
    EXPECT_EQ(pass.current.properties.lineWidth, "10");
    EXPECT_TRUE(Shows(kThicknessRow));
}

TEST_F(PropertiesMenuTest, StyleTakesTheFirstFieldAndABareEnterEmptiesIt) {
    Click(kStyleRow, kButtonCol);
    TypeLine("  7 , 9");
    ClickOk();
    OpenPropertiesMenu(context);
    EXPECT_EQ(pass.current.properties.fillStyle, "7");

    Click(kStyleRow, kButtonCol);
    TypeLine("");
    ClickOk();
    OpenPropertiesMenu(context);
    EXPECT_EQ(pass.current.properties.fillStyle, "");
}

TEST_F(PropertiesMenuTest, EntriesEchoAtTheirPrompts) {
    Click(kStyleRow, kButtonCol);
    Type("5");
    EXPECT_THROW(OpenPropertiesMenu(context), ScriptExhausted);
    EXPECT_EQ(RowText(23, 30, 50), "Enter Style Number: 5");

    Click(kCornerRow, kButtonCol);
    Type("12");
    EXPECT_THROW(OpenPropertiesMenu(context), ScriptExhausted);
    EXPECT_EQ(RowText(16, 35, 57), "Enter Number Here... 12");
}

TEST_F(PropertiesMenuTest, AnEntryGivesTheMenuBackAndTheCornerFramesEdgesDoNothing) {
    Click(kCornerRow, kButtonCol);
    TypeLine("12");
    Click(kCornerRow, 34);
    Click(kCornerRow, 58);
    EXPECT_THROW(OpenPropertiesMenu(context), ScriptExhausted);
    EXPECT_EQ(pass.current.properties.cornerSidesPoints, "12");
    EXPECT_TRUE(Shows(kPropertiesMenu));
    EXPECT_EQ(backend.beeps, 0);
}

TEST_F(PropertiesMenuTest, TheBottomEdgeUnderOkDoesNotClose) {
    Click(27, 45);
    Click(30, 45);
    ClickOk();
    OpenPropertiesMenu(context);
    EXPECT_EQ(backend.Pending(), 0u);
}

TEST_F(PropertiesMenuTest, TheScreenAfterOkIsTheScreenBefore) {
    PaintBackground();
    console.SetCursorVisible(false);
    const std::string before = ScreenBytes();
    Click(kFillRow, kButtonCol);
    ChooseSwatch(kPinkSwatchRow);
    Click(kStyleRow, kButtonCol);
    TypeLine("2");
    Click(kCornerRow, kButtonCol);
    TypeLine("6");
    Click(kDigitRow, 50);
    ClickOk();
    OpenPropertiesMenu(context);
    EXPECT_EQ(ScreenBytes(), before);
    EXPECT_FALSE(console.CursorVisible());
}

TEST_F(PropertiesMenuTest, CancellingTheColourChooserKeepsTheColour) {
    pass.current.properties.fillColor = "65280";
    Click(kFillRow, kButtonCol);
    Click(kChooserButtonRow, kChooserCancelCol);
    Click(kEdgeRow, kButtonCol);
    backend.Script(KeyEvent(27));
    ClickOk();
    OpenPropertiesMenu(context);
    EXPECT_EQ(pass.current.properties.fillColor, "65280");
    EXPECT_EQ(pass.current.properties.edgeColor, "0");
}

TEST_F(PropertiesMenuTest, AColourButtonStaysPressedAfterItsChooser) {
    Click(kFillRow, kButtonCol);
    ChooseSwatch(kPinkSwatchRow);
    EXPECT_THROW(OpenPropertiesMenu(context), ScriptExhausted);
    EXPECT_TRUE(Shows(kPropertiesFillPressed));
    EXPECT_EQ(pass.current.properties.fillColor, kPink);
}

}  // namespace
}  // namespace gridlet
