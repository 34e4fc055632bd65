#include "dialogs/text_entry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/console_fixture.h"

namespace gridlet {
namespace {

TEST(TextEntrySizes, EditBoxFollowsTheAreaDialogIsLarger) {
    struct Case {
        int columns, rows;
        TextEntrySizes sizes;
    };
    const std::vector<Case> cases = {
        {1, 1, {11, 10, 26, 60}},  // one column counts as two
        {3, 1, {16, 10, 31, 60}},  // 16.5 to the even 16
        {5, 2, {28, 20, 43, 70}},  // 27.5 to the even 28
        {20, 4, {110, 40, 125, 90}},
    };
    for (const Case& c : cases) {
        const TextEntrySizes s = TextEntrySizesFor(c.columns, c.rows);
        EXPECT_EQ(std::vector<int>({s.editWidth, s.editHeight, s.dialogWidth, s.dialogHeight}),
                  std::vector<int>({c.sizes.editWidth, c.sizes.editHeight, c.sizes.dialogWidth,
                                    c.sizes.dialogHeight}))
            << c.columns << " x " << c.rows;
    }
}

TEST(TextEntryTitle, NamesTheChosenFontOrTheDefault) {
    EXPECT_EQ(FontTitle({}), "Lucida Console 10 pt");
    EXPECT_EQ(FontTitle({12.0f, 700, 1, 1, 1, "Arial"}),
              "Arial 12 pt bold italic underline strike-out");
    EXPECT_EQ(FontTitle({10.5f, 400, 0, 0, 0, "DejaVu Sans"}), "DejaVu Sans 10 pt")
        << "the size to the nearest, halves to even";
}

// The area of rows 10-12 and columns 20-39: the edit box lies on it, Ok two rows below it.
class TextEntryFlow : public ConsoleFixture {
  protected:
    static constexpr CellRect kArea{10, 20, 12, 39};
    static constexpr int kOkRow = 14;
    static constexpr int kOkCol = 20;

    void SetUp() override {
        for (int row = 1; row <= 45; ++row) screen.PrintAt(row, 1, 7, 8, std::string(90, '\xFA'));
        console.SetCursorVisible(false);
        before = ScreenBytes();
    }
    void Key(int scanCode) { backend.Script(ExtendedKeyEvent(scanCode)); }
    void AltO() { Key(AltLetterScanCode('o')); }
    std::string Run(const CellRect& area = kArea, const ChosenTextFont& font = {}) {
        return EnterText(screen, area, font);
    }

    std::string before;
};

TEST_F(TextEntryFlow, DrawsTheBoxOverTheAreaTitledWithTheFont) {
    Type("Hi");
    backend.Script(ExtendedKeyEvent(kScanLeft));
    std::vector<std::string> shown;
    backend.onPresent = [&](const ScreenState&) {
        if (backend.Pending() == 0 && shown.empty()) {
            shown = {RowText(8, 18, 40), RowText(10, 20, 39), RowText(kOkRow, 20, 25)};
            EXPECT_EQ(console.CursorRow(), 10);
            EXPECT_EQ(console.CursorCol(), 21);
            EXPECT_TRUE(console.CursorVisible());
            EXPECT_EQ(AttrAt(10, 20), 0xF0);
        }
    };
    EXPECT_THROW(Run(kArea, {12.0f, 700, 0, 0, 0, "Arial"}), ScriptExhausted);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0], "\xDA\xC4 Arial 12 pt bold \xC4\xC4\xBF");
    EXPECT_EQ(shown[1], "Hi                  ");
    EXPECT_EQ(shown[2], "[ Ok ]");
}

struct EditCase {
    std::string name;
    std::vector<InputEvent> script;  // before Ok
    std::string text;
};

TEST_F(TextEntryFlow, EditingKeysPasteAndClicks) {
    const auto keys = [](const std::string& text) {
        std::vector<InputEvent> events;
        for (char c : text) events.push_back(KeyEvent(c));
        return events;
    };
    const auto join = [](std::vector<std::vector<InputEvent>> parts) {
        std::vector<InputEvent> all;
        for (auto& part : parts) all.insert(all.end(), part.begin(), part.end());
        return all;
    };
    const InputEvent left = ExtendedKeyEvent(kScanLeft), right = ExtendedKeyEvent(kScanRight),
                     up = ExtendedKeyEvent(kScanUp), down = ExtendedKeyEvent(kScanDown),
                     home = ExtendedKeyEvent(kScanHome), end = ExtendedKeyEvent(kScanEnd),
                     del = ExtendedKeyEvent(kScanDelete);
    const std::vector<EditCase> cases = {
        {"Enter breaks the line", keys("ab\rcd"), "ab\r\ncd"},
        {"Windows-1252 characters kept", keys("caf\xE9 \x80"), "caf\xE9 \x80"},
        {"Backspace, Delete, Home, End",
         join({keys("abcd"), {home, del, end}, keys("\b"), {left}, keys("X")}), "bXc"},
        {"Backspace at a line start joins the lines", join({keys("ab\rcd"), {home}, keys("\b")}),
         "abcd"},
        {"Delete at a line end joins the lines", join({keys("ab\rcd"), {up, end, del}}), "abcd"},
        {"Up and Down keep the column as far as the line goes",
         join({keys("abc\rd\refgh"), {up, up, right, right, down}, keys("X")}),
         "abc\r\ndX\r\nefgh"},
        {"Right at a line end goes to the next line",
         join({keys("ab\rcd"), {up, end, right}, keys("X")}), "ab\r\nXcd"},
        {"a paste with every kind of line end and a tab",
         {KeyEvent('>'), PasteEvent("one\ntwo\r\nthree\rfour\tfive\x01")},
         ">one\r\ntwo\r\nthree\r\nfour five"},
        {"Esc does nothing",
         keys("a\x1b"
              "b"),
         "ab"},
        {"blanks and line breaks at the ends go, inner ones stay", keys("\r  a  \r  b \r\r"),
         "a  \r\n  b"},
        {"a click places the cursor",
         join({keys("abc\rdef"), {MoveEvent(10, 21)}, {PressEvent(10, 21)}, keys("X")}),
         "aXbc\r\ndef"},
        {"a click past a line's end places it at the end",
         join({keys("abc\rdef"), {PressEvent(10, 35)}, keys("X")}), "abcX\r\ndef"},
        {"only blanks give nothing", keys("   \r "), ""},
    };
    for (const EditCase& c : cases) {
        backend.Script(c.script);
        AltO();
        EXPECT_EQ(Run(), c.text) << c.name;
        EXPECT_EQ(backend.Pending(), 0u) << c.name;
    }
}

TEST_F(TextEntryFlow, OnlyOkLeavesAndTheScreenComesBack) {
    const std::vector<std::vector<InputEvent>> ways = {
        {MoveEvent(kOkRow, kOkCol + 3), PressEvent(kOkRow, kOkCol + 3)},
        {KeyEvent('\t'), KeyEvent('\r')},
        {KeyEvent('\t'), KeyEvent(' ')},
        {ExtendedKeyEvent(AltLetterScanCode('o'))},
    };
    for (const auto& way : ways) {
        Type("x\x1b");
        backend.Script(PressEvent(5, 5));    // outside the dialog
        backend.Script(PressEvent(11, 18));  // on the frame
        backend.Script(way);
        EXPECT_EQ(Run(), "x");
        EXPECT_EQ(backend.Pending(), 0u);
        EXPECT_EQ(ScreenBytes(), before);
        EXPECT_FALSE(console.CursorVisible());
    }
    Type("x\x1b\t\t");
    EXPECT_THROW(Run(), ScriptExhausted) << "Esc and Tab alone leave it open";
}

// Long lines wrap at the box's width, after a blank where there is one, as a Windows edit box
// without horizontal scrolling wraps them; the box scrolls its rows to the cursor.
TEST_F(TextEntryFlow, LongLinesWrapAndTheBoxScrollsToTheCursor) {
    const CellRect twoRows{20, 30, 21, 39};  // ten columns
    std::vector<std::string> rows;
    std::pair<int, int> cursor;
    const auto capture = [&](int top, int bottom, int left, int right) {
        rows.clear();
        backend.onPresent = [this, top, bottom, left, right, &rows, &cursor](const ScreenState&) {
            if (backend.Pending() != 0 || !rows.empty()) return;
            for (int row = top; row <= bottom; ++row) rows.push_back(RowText(row, left, right));
            cursor = {console.CursorRow(), console.CursorCol()};
        };
    };

    Type("Hello big world");
    capture(20, 21, 30, 40);
    EXPECT_THROW(Run(twoRows), ScriptExhausted);
    EXPECT_EQ(rows, std::vector<std::string>({"Hello big  ", "world      "}));
    EXPECT_EQ(cursor, std::make_pair(21, 35));

    Type("abcdefghijklmn\rxy");
    Key(kScanUp);
    Key(kScanUp);
    capture(20, 21, 30, 40);
    EXPECT_THROW(Run(twoRows), ScriptExhausted);
    EXPECT_EQ(rows, std::vector<std::string>({"abcdefghij ", "klmn      \x19"}))
        << "a word longer than the box is cut at its width; a mark for the row below";
    EXPECT_EQ(cursor, std::make_pair(20, 32)) << "Up keeps the column, a row at a time";

    const CellRect oneRow{20, 30, 20, 33};  // four columns
    Type("abcdefg");
    Key(kScanHome);
    Key(kScanDown);
    Key(kScanRight);
    capture(20, 20, 30, 34);
    EXPECT_THROW(Run(oneRow), ScriptExhausted);
    EXPECT_EQ(rows, std::vector<std::string>({"efg \x18"}));
    EXPECT_EQ(cursor, std::make_pair(20, 31)) << "Down goes a row of the same line";

    Type("abcdefg\rxy");
    backend.Script(PressEvent(20, 30));  // the start of the row shown: the y's line
    Type("Z");
    AltO();
    backend.onPresent = nullptr;
    EXPECT_EQ(Run(oneRow), "abcdefg\r\nZxy");
}

TEST_F(TextEntryFlow, TextStopsAt3999CharactersWithABeep) {
    backend.Script(PasteEvent(std::string(3998, 'a')));
    Type("\rbc");  // the line break needs two places
    AltO();
    EXPECT_EQ(Run(), std::string(3998, 'a') + "b");
    EXPECT_EQ(backend.beeps, 2) << "for the line break and the c";

    backend.Script(PasteEvent(std::string(5000, 'z')));
    AltO();
    EXPECT_EQ(Run(), std::string(3999, 'z'));
    EXPECT_EQ(backend.beeps, 3);
}

TEST_F(TextEntryFlow, AnAreaAtTheScreenEdgeKeepsTheDialogOnScreen) {
    const CellRect corner{44, 80, 45, 81};
    Type("q");
    int frameTop = 0;
    backend.onPresent = [&](const ScreenState&) {
        if (backend.Pending() == 0 && frameTop == 0) {
            for (int row = 1; row <= 45 && frameTop == 0; ++row) {
                if (RowText(row).find('\xDA') != std::string::npos) frameTop = row;
            }
            EXPECT_EQ(RowText(45).find('\xD9'), 89u) << "the frame ends in the last column";
        }
    };
    EXPECT_THROW(Run(corner), ScriptExhausted);
    EXPECT_EQ(frameTop, 45 - 6) << "seven rows tall, ending above the hint row";
}

}  // namespace
}  // namespace gridlet
