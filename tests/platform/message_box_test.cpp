#include "platform/message_box.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>

#include "all_images.h"
#include "doubles/virtual_clock.h"
#include "platform/looking_backend.h"

namespace gridlet {
namespace {

class MessageBoxTest : public ::testing::Test {
  protected:
    void SetUp() override {
        PaintMainScreen(screen);
        console.SetColor(14, 1);
        console.Locate(46, 1);
        console.Print(" a hint on the bottom row");
        console.SetColor(3, 0);
        console.Locate(20, 30);
        console.SetMouseEvents(kAllButtons, kMove | kPress);
        screen.SaveScreen(before);
    }

    // The rectangle of cells that differ from the screen before the box, as shown while it waits.
    struct Extent {
        int top = kScreenHeight + 1, left = kScreenWidth + 1, bottom = 0, right = 0;
    };
    Extent ShownBox() const {
        Extent box;
        for (int row = 1; row <= kScreenHeight; ++row) {
            for (int col = 1; col <= kScreenWidth; ++col) {
                const auto i = static_cast<std::size_t>(4 * ((row - 1) * kScreenWidth + (col - 1)));
                const Cell under{static_cast<std::uint8_t>(before[i]),
                                 static_cast<std::uint8_t>(before[i + 2])};
                if (backend.Shown(row, col) == under) continue;
                box = {std::min(box.top, row), std::min(box.left, col), std::max(box.bottom, row),
                       std::max(box.right, col)};
            }
        }
        return box;
    }

    LookingBackend backend;
    VirtualClock clock;
    Console console{backend, clock};
    Screen screen{console};
    std::string before;
};

struct AnswerCase {
    const char* name;
    MessageButtons buttons;
    std::function<void(LookingBackend&)> script;
    int answer;
};

TEST_F(MessageBoxTest, AnswersByClickOrKeyAndLeavesEverythingAsItWas) {
    const AnswerCase cases[] = {
        {"click on Yes", MessageButtons::YesNo, [](auto& b) { b.ClickOn("Yes"); }, kAnswerYes},
        {"click on No", MessageButtons::YesNo, [](auto& b) { b.ClickOn("No"); }, kAnswerNo},
        {"click on OK", MessageButtons::Ok, [](auto& b) { b.ClickOn("OK"); }, kAnswerOk},
        {"Enter takes Yes", MessageButtons::YesNo, [](auto& b) { b.Then(KeyEvent('\r')); },
         kAnswerYes},
        {"Enter takes OK", MessageButtons::Ok, [](auto& b) { b.Then(KeyEvent('\r')); }, kAnswerOk},
        {"y", MessageButtons::YesNo, [](auto& b) { b.Then(KeyEvent('y')); }, kAnswerYes},
        {"N", MessageButtons::YesNo, [](auto& b) { b.Then(KeyEvent('N')); }, kAnswerNo},
        {"o", MessageButtons::Ok, [](auto& b) { b.Then(KeyEvent('o')); }, kAnswerOk},
        {"clicks beside the buttons and other keys do nothing", MessageButtons::YesNo,
         [](auto& b) {
             b.ClickOn("Sure");
             b.Then(PressEvent(1, 1));
             b.Then(KeyEvent('o'));
             b.Then(KeyEvent('x'));
             b.Then(ExtendedKeyEvent(kScanF1));
             b.Then(KeyEvent('n'));
         },
         kAnswerNo},
        {"a right click on Yes does nothing", MessageButtons::YesNo,
         [](auto& b) {
             b.ClickOn("Yes", kRightButton);
             b.Then(KeyEvent('n'));
         },
         kAnswerNo},
        {"Y is no key of an OK box", MessageButtons::Ok,
         [](auto& b) {
             b.Then(KeyEvent('Y'));
             b.Then(KeyEvent('N'));
             b.Then(KeyEvent('O'));
         },
         kAnswerOk},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.script(backend);
        EXPECT_EQ(ShowMessageBox(console, "Sure?", "Question", c.buttons, MessageIcon::Question),
                  c.answer);
        EXPECT_EQ(backend.Pending(), 0u);
        std::string after;
        screen.SaveScreen(after);
        EXPECT_EQ(after, before);
        EXPECT_EQ(console.MouseButtons(), kAllButtons);
        EXPECT_EQ(console.MouseKinds(), kMove | kPress);
        EXPECT_EQ(console.Attribute(), 0x03);
        EXPECT_EQ(console.CursorRow(), 20);
        EXPECT_EQ(console.CursorCol(), 30);
    }
}

TEST_F(MessageBoxTest, ShowsCaptionIconAndLinesCentred) {
    backend.Then(KeyEvent('\r'));
    ShowMessageBox(console, "First line\r\nSecond, longer line\r\n", "The caption",
                   MessageButtons::Ok, MessageIcon::Question);

    const auto [captionRow, captionCol] = backend.Find("The caption");
    const auto [firstRow, firstCol] = backend.Find("First line");
    const auto [secondRow, secondCol] = backend.Find("Second, longer line");
    EXPECT_LT(captionRow, firstRow);
    EXPECT_EQ(secondRow, firstRow + 1);
    EXPECT_EQ(secondCol, firstCol);
    EXPECT_TRUE(backend.ShowsAt(firstRow, firstCol - 4, "?"));

    const auto box = ShownBox();
    EXPECT_EQ(box.top, captionRow);
    EXPECT_LE(std::abs((box.left - 1) - (kScreenWidth - box.right)), 1);
    EXPECT_LE(std::abs((box.top - 1) - (kScreenHeight - box.bottom)), 1);
    EXPECT_GT(backend.Find("OK").first, secondRow) << "a final CR LF adds no line";
}

TEST_F(MessageBoxTest, ShowsWindows1252TextInCodePage437) {
    backend.Then(KeyEvent('\r'));
    ShowMessageBox(console, "caf\xE9 \x80 \x95 \xA7 \x92", "", MessageButtons::Ok,
                   MessageIcon::Information);
    backend.Find("caf\x82 ? \x07 \x15 ?");
    const auto [row, col] = backend.Find("caf");
    EXPECT_TRUE(backend.ShowsAt(row, col - 4, "i"));
}

TEST_F(MessageBoxTest, WrapsALineTooLongForTheScreenAtBlanks) {
    std::string text;
    for (int word = 10; word < 40; ++word) text += 'w' + std::to_string(word) + " ";
    backend.Then(KeyEvent('\r'));
    ShowMessageBox(console, text, "", MessageButtons::Ok, MessageIcon::None);

    const auto first = backend.Find("w10 w11");
    const auto last = backend.Find("w38 w39");
    EXPECT_GT(last.first, first.first);
    const auto box = ShownBox();
    EXPECT_GT(box.left, 1);
    EXPECT_LT(box.right, kScreenWidth);
}

}  // namespace
}  // namespace gridlet
