#include "dialogs/line_input.h"

#include "dialogs/menu_fixture.h"

namespace gridlet {
namespace {

TEST(FirstInputField, TakesTheFieldAsConsoleInputDoes) {
    const struct {
        const char* line;
        const char* field;
    } cases[] = {
        {"  7 , 9", "7"},       {"", ""},
        {"    ", ""},           {"  , 5", ""},
        {"abc   ", "abc"},      {"a b,c", "a b"},
        {"\"a, b\" c", "a, b"}, {"  \"open end", "open end"},
        {"%WHITE", "%WHITE"},
    };
    for (const auto& c : cases) EXPECT_EQ(FirstInputField(c.line), c.field) << '[' << c.line << ']';
}

class LineInputTest : public MenuFixture {};

TEST_F(LineInputTest, EchoesEditsAndIgnoresControlsExtendedKeysAndMouse) {
    screen.PrintAt(10, 20, 15, 8, "          ");
    screen.PrintAt(10, 19, 14, 1, "#");
    Type("ab");
    backend.Script(KeyEvent(8));
    backend.Script(KeyEvent(9));
    backend.Script(KeyEvent(27));
    backend.Script(ExtendedKeyEvent(kScanLeft));
    Click(3, 3);
    TypeLine("c d");
    console.SetCursorVisible(false);

    EXPECT_EQ(InputField(console, 10, 20), "ac d");

    EXPECT_EQ(RowText(10, 19, 24), "#ac d ");
    EXPECT_EQ(console.CellAt(10, 20).attr, 0x8F);  // the field's own colours
    EXPECT_FALSE(console.CursorVisible());
}

TEST_F(LineInputTest, BackspaceOnAnEmptyLineLeavesTheCellBeforeIt) {
    screen.PrintAt(5, 9, 7, 0, "X");
    backend.Script(KeyEvent(8));
    TypeLine("1");
    EXPECT_EQ(InputField(console, 5, 10), "1");
    EXPECT_EQ(RowText(5, 9, 10), "X1");
}

TEST_F(LineInputTest, ShowsTheCursorWhileTyping) {
    console.SetCursorVisible(false);
    Type("12");
    EXPECT_THROW(InputField(console, 5, 10), ScriptExhausted);
    EXPECT_TRUE(console.CursorVisible());
    EXPECT_EQ(console.CursorRow(), 5);
    EXPECT_EQ(console.CursorCol(), 12);
}

TEST_F(LineInputTest, StoresAtMostTenThousandCharacters) {
    console.Locate(1, 1);
    Type(std::string(10005, 'x'));
    backend.Script(KeyEvent(8));
    TypeLine("yz");
    EXPECT_EQ(ReadConsoleLine(console), std::string(9999, 'x') + "y");
}

TEST_F(LineInputTest, TypedWindows1252CharactersShowInCodePage437) {
    Type("\xE9\x80");  // é, and € which code page 437 lacks
    TypeLine("");
    EXPECT_EQ(InputField(console, 2, 2), "\xE9\x80");
    EXPECT_EQ(console.CellAt(2, 2).ch, 0x82);
    EXPECT_EQ(console.CellAt(2, 3).ch, '?');
}

}  // namespace
}  // namespace gridlet
