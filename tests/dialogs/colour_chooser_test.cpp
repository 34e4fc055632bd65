#include "dialogs/colour_chooser.h"

#include "dialogs/menu_fixture.h"
#include "doubles/virtual_clock.h"

namespace gridlet {
namespace {

constexpr int kOkRow = 28, kOkCol = 34, kCancelCol = 52;

// Where swatch n (0-47 basic, 48-63 custom) lies.
int SwatchRow(int n) {
    return n < 48 ? 12 + n / 8 : 20 + (n - 48) / 8;
}
int SwatchCol(int n) {
    return 25 + 5 * (n % 8);
}

TEST(ColourReference, RedSitsInTheLowByte) {
    const struct {
        Rgb colour;
        const char* text;
    } cases[] = {{{0, 0, 255}, "16711680"},
                 {{255, 0, 0}, "255"},
                 {{0, 0, 0}, "0"},
                 {{255, 255, 255}, "16777215"},
                 {{0x12, 0x34, 0x56}, "5649426"}};
    for (const auto& c : cases) {
        EXPECT_EQ(ColourReferenceText(c.colour), c.text);
        const Rgb back = FromColourReference(ColourReference(c.colour));
        EXPECT_EQ(ColourReferenceText(back), c.text);
    }
}

TEST(ConsoleColours, EachColourShowsAsTheNearestOfTheSixteen) {
    const struct {
        Rgb colour;
        int console;
    } cases[] = {{{0, 0, 0}, 0},       {{255, 255, 255}, 15}, {{0, 0, 255}, 1},
                 {{128, 128, 128}, 7}, {{90, 90, 90}, 8},     {{255, 255, 0}, 14},
                 {{255, 90, 90}, 12},  {{0, 160, 160}, 3}};
    for (const auto& c : cases) {
        EXPECT_EQ(NearestConsoleColour(c.colour), c.console)
            << c.colour.red << ',' << c.colour.green << ',' << c.colour.blue;
    }
}

class ColourChooserTest : public MenuFixture {
  protected:
    std::optional<std::string> PickSwatch(int n) {
        Click(SwatchRow(n), SwatchCol(n));
        Click(kOkRow, kOkCol);
        return ChooseColour(screen);
    }
};

TEST_F(ColourChooserTest, BasicSwatchesGiveTheirReferences) {
    const struct {
        int swatch;
        const char* text;
    } cases[] = {{28, "16711680"}, {8, "255"}, {40, "0"}, {47, "16777215"}, {0, "8421631"}};
    for (const auto& c : cases) EXPECT_EQ(PickSwatch(c.swatch), c.text) << c.swatch;
}

TEST_F(ColourChooserTest, SwatchesShowTheNearestConsoleColour) {
    EXPECT_THROW(ChooseColour(screen), ScriptExhausted);
    EXPECT_EQ(ShownCell(SwatchRow(28), SwatchCol(28)).attr, 0x71);  // pure blue
    EXPECT_EQ(ShownCell(SwatchRow(47), SwatchCol(47)).attr, 0x7F);  // white
    EXPECT_EQ(ShownCell(SwatchRow(8), SwatchCol(8)).ch, 0xDB);
}

// Where the terminal shows 24-bit colour the swatches and the preview carry the colour itself,
// over the nearest console colour that other terminals show.
TEST(ColourChooserSwatches, CarryTheirOwnColourWhereTheTerminalShowsIt) {
    for (const bool trueColour : {false, true}) {
        MemoryBackend backend;
        VirtualClock clock;
        TerminalCapabilities capabilities;
        capabilities.trueColour = trueColour;
        Console console(backend, clock, capabilities);
        Screen screen(console);
        std::vector<Cell> shown;
        backend.onPresent = [&shown](const ScreenState& state) { shown = state.cells; };
        for (char key : std::string("\t18\t52\t86")) backend.Script(KeyEvent(key));
        EXPECT_THROW(ChooseColour(screen), ScriptExhausted);

        const auto cellShown = [&shown](int row, int col) {
            return shown[static_cast<std::size_t>((row - 1) * kScreenWidth + col - 1)];
        };
        const Cell blue = cellShown(SwatchRow(28), SwatchCol(28));
        const Cell preview = cellShown(25, 31);
        EXPECT_EQ(blue.attr, 0x71);
        EXPECT_EQ(blue.rgbForeground, trueColour ? 0x0000FF : kNoRgb);
        EXPECT_EQ(blue.rgbBackground, kNoRgb);
        EXPECT_EQ(preview.ch, 0xDB);
        EXPECT_EQ(preview.rgbForeground, trueColour ? 0x123456 : kNoRgb);
        EXPECT_EQ(cellShown(25, 30).rgbForeground, kNoRgb);
    }
}

TEST_F(ColourChooserTest, RedGreenAndBlueCanBeTypedByKeyboardAlone) {
    Type("\t18\t52\t300");
    backend.Script(KeyEvent('\r'));
    EXPECT_EQ(ChooseColour(screen), ColourReferenceText({18, 52, 255}));
}

TEST_F(ColourChooserTest, ArrowsWalkTheSwatchesAndEnterTakesTheColour) {
    backend.Script(ExtendedKeyEvent(kScanDown));  // selects the first swatch
    backend.Script(ExtendedKeyEvent(kScanDown));
    backend.Script(ExtendedKeyEvent(kScanRight));
    backend.Script(KeyEvent('\r'));
    EXPECT_EQ(ChooseColour(screen), "65535");  // 0xFFFF00, yellow
}

TEST_F(ColourChooserTest, CancelIsReportedAndTheScreenComesBack) {
    PaintBackground();
    const std::string before = ScreenBytes();
    Click(SwatchRow(3), SwatchCol(3));
    Click(kOkRow, kCancelCol);
    EXPECT_EQ(ChooseColour(screen), std::nullopt);
    backend.Script(KeyEvent(27));
    EXPECT_EQ(ChooseColour(screen), std::nullopt);
    EXPECT_EQ(ScreenBytes(), before);
}

TEST_F(ColourChooserTest, EveryCallOffersNewCustomColours) {
    const std::int64_t firstCall = clock.TimeOfDayMs();
    const auto first = PickSwatch(48);
    EXPECT_EQ(first, std::to_string(CustomColours(firstCall)[0]));
    clock.Advance(1500);
    const std::int64_t secondCall = clock.TimeOfDayMs();
    const auto second = PickSwatch(63);
    EXPECT_EQ(second, std::to_string(CustomColours(secondCall)[15]));
    EXPECT_NE(CustomColours(firstCall), CustomColours(secondCall));
    for (std::uint32_t colour : CustomColours(secondCall)) EXPECT_LE(colour, 16777215u);
}

}  // namespace
}  // namespace gridlet
