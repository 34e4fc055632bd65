#include "platform/ansi_writer.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/console.h"
#include "platform/cp437.h"

namespace gridlet {
namespace {

constexpr std::size_t kCells = kScreenWidth * kScreenHeight;

std::size_t At(int row, int col) {
    return static_cast<std::size_t>((row - 1) * kScreenWidth + col - 1);
}

// A small terminal that understands what the writer emits and nothing else: cursor moves, colours,
// clearing, cursor visibility and UTF-8 text. A write past the last column fails the test, since
// terminals differ there.
struct FakeTerminal {
    std::vector<Cell> cells = std::vector<Cell>(kCells, Cell{' ', 0x07});
    int row = 1;
    int col = 1;
    bool cursorVisible = true;
    int fg = 37;
    int bg = 40;

    static int PcColor(int code, int base, int brightBase) {
        const bool bright = code >= brightBase;
        const int ansi = code - (bright ? brightBase : base);
        return (bright ? 8 : 0) | AnsiColorOf(ansi);  // the swap is its own inverse
    }

    void Run(const std::string& bytes) {
        std::size_t pos = 0;
        while (pos < bytes.size()) {
            if (bytes[pos] != '\x1b') {
                ASSERT_LE(col, kScreenWidth) << "write past the last column";
                const char32_t glyph = DecodeUtf8(bytes, pos);
                const auto ch = UnicodeToCp437(glyph);
                ASSERT_TRUE(ch.has_value())
                    << "not a code page 437 glyph: " << static_cast<std::uint32_t>(glyph);
                const auto attr =
                    static_cast<std::uint8_t>(PcColor(bg, 40, 100) << 4 | PcColor(fg, 30, 90));
                cells[At(row, col)] = Cell{*ch, attr};
                ++col;
                continue;
            }
            ASSERT_EQ(bytes[pos + 1], '[');
            const std::size_t end = bytes.find_first_of("HmJhl", pos + 2);
            ASSERT_NE(end, std::string::npos);
            const std::string params = bytes.substr(pos + 2, end - pos - 2);
            Control(bytes[end], params);
            pos = end + 1;
        }
    }

    void Control(char final, const std::string& params) {
        std::vector<int> numbers;
        std::size_t start = params[0] == '?' ? 1 : 0;
        while (start <= params.size()) {
            const std::size_t semi = std::min(params.find(';', start), params.size());
            numbers.push_back(semi > start ? std::stoi(params.substr(start, semi - start)) : 0);
            start = semi + 1;
        }
        switch (final) {
            case 'H':
                row = numbers.at(0);
                col = numbers.at(1);
                break;
            case 'J':
                std::fill(cells.begin(), cells.end(), Cell{' ', 0x07});
                break;
            case 'h':
            case 'l':
                ASSERT_EQ(params, "?25");
                cursorVisible = final == 'h';
                break;
            case 'm':
                for (int n : numbers) {
                    if (n == 0) {
                        fg = 37;
                        bg = 40;
                    } else if ((n >= 30 && n <= 37) || (n >= 90 && n <= 97)) {
                        fg = n;
                    } else {
                        ASSERT_TRUE((n >= 40 && n <= 47) || (n >= 100 && n <= 107)) << n;
                        bg = n;
                    }
                }
                break;
        }
    }
};

struct Screen {
    std::vector<Cell> cells = std::vector<Cell>(kCells, Cell{' ', 0x07});
    int cursorRow = 1;
    int cursorCol = 1;
    bool cursorVisible = false;
    RowDamage dirtyRows = kAllRows;
    ScreenState State() const {
        return ScreenState{cells, cursorRow, cursorCol, cursorVisible, dirtyRows};
    }
};

// A blank screen already on the terminal, with the cursor hidden.
ShownScreen ShownBlank() {
    return RenderScreenUpdate(std::nullopt, Screen{}.State()).shown;
}

TEST(AnsiWriter, UpdatesMakeTheTerminalShowEachNewScreen) {
    std::mt19937 random(7);
    FakeTerminal terminal;
    Screen screen;
    std::optional<ShownScreen> shown;
    for (int flush = 0; flush < 30; ++flush) {
        const int changes = flush == 0 ? 0 : static_cast<int>(random() % 300);
        screen.dirtyRows = flush == 0 ? kAllRows : 0;
        for (int i = 0; i < changes; ++i) {
            const std::size_t cell = random() % kCells;
            screen.cells[cell] =
                Cell{static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random())};
            screen.dirtyRows |= RowBit(static_cast<int>(cell / kScreenWidth) + 1);
        }
        screen.cursorVisible = random() % 2 == 0;
        screen.cursorRow = static_cast<int>(random() % kScreenHeight) + 1;
        screen.cursorCol = static_cast<int>(random() % kScreenWidth) + 1;

        const ScreenUpdate update = RenderScreenUpdate(shown, screen.State());
        terminal.Run(update.bytes);
        if (HasFatalFailure()) return;
        shown = update.shown;

        for (std::size_t i = 0; i < kCells; ++i) {
            const Cell want{screen.cells[i].ch == 0 ? std::uint8_t{' '} : screen.cells[i].ch,
                            screen.cells[i].attr};
            ASSERT_EQ(terminal.cells[i], want) << "flush " << flush << " cell " << i;
        }
        ASSERT_EQ(terminal.cursorVisible, screen.cursorVisible);
        if (screen.cursorVisible) {
            ASSERT_EQ(terminal.row, screen.cursorRow);
            ASSERT_EQ(terminal.col, screen.cursorCol);
        }
    }
}

TEST(AnsiWriter, FirstFlushClearsAndPaintsEveryCell) {
    Screen screen;
    screen.cells.assign(kCells, Cell{'A', 0x1E});
    const std::string bytes = RenderScreenUpdate(std::nullopt, screen.State()).bytes;
    EXPECT_EQ(bytes.rfind("\x1b[0m\x1b[2J\x1b[?25l\x1b[1;1H\x1b[93;44mAAA", 0), 0u);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), 'A'), static_cast<long>(kCells));
    EXPECT_EQ(bytes.find("93;44m", bytes.find('A')), std::string::npos) << "the colour is set once";
}

TEST(AnsiWriter, OneChangedCellGivesOneMoveAndTheCharacter) {
    Screen screen;
    screen.cells[At(5, 10)] = Cell{'B', 0x07};
    EXPECT_EQ(RenderScreenUpdate(ShownBlank(), screen.State()).bytes, "\x1b[5;10HB");
}

TEST(AnsiWriter, NothingChangedWritesNothing) {
    EXPECT_EQ(RenderScreenUpdate(ShownBlank(), Screen{}.State()).bytes, "");
}

TEST(AnsiWriter, OnlyTheDamagedRowsAreCompared) {
    Screen screen;
    screen.cells[At(3, 1)] = Cell{'U', 0x07};  // in a row said to be as shown
    screen.cells[At(7, 2)] = Cell{'D', 0x07};
    screen.dirtyRows = RowBit(7);
    const ScreenUpdate update = RenderScreenUpdate(ShownBlank(), screen.State());
    EXPECT_EQ(update.bytes, "\x1b[7;2HD");
    EXPECT_EQ(update.shown.cells[At(3, 1)], (Cell{' ', 0x07}));

    screen.dirtyRows = 0;
    EXPECT_EQ(RenderScreenUpdate(update.shown, screen.State()).bytes, "");
}

TEST(AnsiWriter, ConsecutiveCellsNeedNoMoveAndAnUnchangedColourNoCode) {
    Screen screen;
    screen.cells[At(2, 3)] = Cell{'X', 0x1E};
    screen.cells[At(2, 4)] = Cell{'Y', 0x1E};
    screen.cells[At(2, 8)] = Cell{'Z', 0x1E};
    EXPECT_EQ(RenderScreenUpdate(ShownBlank(), screen.State()).bytes,
              "\x1b[2;3H\x1b[93;44mXY\x1b[2;8HZ");
}

TEST(AnsiWriter, AfterTheLastColumnTheNextRowIsReachedByAMove) {
    Screen screen;
    screen.cells[At(1, 90)] = Cell{'X', 0x07};
    screen.cells[At(2, 1)] = Cell{'Y', 0x07};
    EXPECT_EQ(RenderScreenUpdate(ShownBlank(), screen.State()).bytes, "\x1b[1;90HX\x1b[2;1HY");
}

TEST(AnsiWriter, TheNextFlushStartsWhereTheLastOneLeftThePenAndCursor) {
    Screen screen;
    screen.cells[At(3, 3)] = Cell{'X', 0x4F};
    const ShownScreen first = RenderScreenUpdate(ShownBlank(), screen.State()).shown;
    screen.cells[At(3, 4)] = Cell{'Y', 0x4F};
    EXPECT_EQ(RenderScreenUpdate(first, screen.State()).bytes, "Y");
}

TEST(AnsiWriter, PcColoursMapToAnsiWithRedAndBlueSwapped) {
    struct Case {
        std::uint8_t attr;
        const char* code;  // from the light grey on black pen of a blank screen
    };
    const Case cases[] = {
        {0x01, "34"},  {0x04, "31"},  {0x02, "32"},  {0x03, "36"},     {0x05, "35"},
        {0x06, "33"},  {0x00, "30"},  {0x08, "90"},  {0x09, "94"},     {0x0C, "91"},
        {0x0E, "93"},  {0x0F, "97"},  {0x17, "44"},  {0x47, "41"},     {0x67, "43"},
        {0x87, "100"}, {0x97, "104"}, {0xC7, "101"}, {0xF0, "30;107"}, {0x1F, "97;44"},
    };
    for (const Case& c : cases) {
        Screen screen;
        screen.cells[At(1, 1)] = Cell{'x', c.attr};
        EXPECT_EQ(RenderScreenUpdate(ShownBlank(), screen.State()).bytes,
                  std::string("\x1b[1;1H\x1b[") + c.code + "mx")
            << "attribute " << int{c.attr};
    }
}

// A cell's 24-bit colours replace its attribute's; a cell written again without them is
// repainted in the attribute's colours.
TEST(AnsiWriter, TrueColoursAreSentAsTheyAreAndGoWhenTheCellLosesThem) {
    Screen screen;
    screen.cells[At(1, 1)] = Cell{'a', 0x07, 0x123456, kNoRgb};
    screen.cells[At(1, 2)] = Cell{'b', 0x07, 0x123456, kNoRgb};
    screen.cells[At(1, 3)] = Cell{'c', 0x07, kNoRgb, 0xFF0080};
    screen.cells[At(1, 4)] = Cell{'d', 0x07};
    const ScreenUpdate first = RenderScreenUpdate(ShownBlank(), screen.State());
    EXPECT_EQ(first.bytes, "\x1b[1;1H\x1b[38;2;18;52;86mab\x1b[37;48;2;255;0;128mc\x1b[40md");

    screen.cells[At(1, 1)] = Cell{'a', 0x07};
    EXPECT_EQ(RenderScreenUpdate(first.shown, screen.State()).bytes, "\x1b[1;1Ha");
}

TEST(AnsiWriter, CharactersAreShownAsTheirUnicodeGlyphsAndZeroAsABlank) {
    Screen screen;
    screen.cells[At(1, 1)] = Cell{0xC9, 0x07};
    screen.cells[At(1, 2)] = Cell{0x01, 0x07};
    screen.cells[At(1, 3)] = Cell{0x00, 0x07};
    EXPECT_EQ(RenderScreenUpdate(ShownBlank(), screen.State()).bytes, "\x1b[1;1H\u2554\u263A ");
}

TEST(AnsiWriter, CursorIsShownAtItsCellAndHiddenOnlyWhenItsVisibilityChanges) {
    Screen screen;
    screen.cursorVisible = true;
    screen.cursorRow = 46;
    screen.cursorCol = 2;
    const ScreenUpdate shownCursor = RenderScreenUpdate(ShownBlank(), screen.State());
    EXPECT_EQ(shownCursor.bytes, "\x1b[46;2H\x1b[?25h");

    screen.cells[At(46, 1)] = Cell{'>', 0x07};
    EXPECT_EQ(RenderScreenUpdate(shownCursor.shown, screen.State()).bytes, "\x1b[46;1H>")
        << "writing the cell before the cursor leaves it in place";

    screen.cursorVisible = false;
    EXPECT_EQ(RenderScreenUpdate(shownCursor.shown, screen.State()).bytes, "\x1b[?25l\x1b[46;1H>");
}

}  // namespace
}  // namespace gridlet
