#include "screen/popups.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "all_images.h"
#include "doubles/virtual_clock.h"
#include "platform/looking_backend.h"

namespace gridlet {
namespace {

class PopupsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        PaintMainScreen(screen);
        console.Locate(46, 1);
        console.Print(" Select an area");
        screen.SaveScreen(before);
    }
    std::string Now() {
        std::string buffer;
        screen.SaveScreen(buffer);
        return buffer;
    }

    LookingBackend backend;
    VirtualClock clock;
    Console console{backend, clock};
    Screen screen{console};
    std::string before;
};

struct DismissCase {
    const char* name;
    int mouseKinds;
    std::vector<InputEvent> events;
};

TEST_F(PopupsTest, AreaNeededMessageGoesOnAnyEnabledInputAndLeavesTheScreenAsItWas) {
    const DismissCase cases[] = {
        {"a key", kPress, {KeyEvent('q')}},
        {"a click", kPress, {PressEvent(30, 40)}},
        {"a move, when moves are enabled", kMove | kPress, {MoveEvent(30, 40)}},
        {"a move is not input while only presses are",
         kPress,
         {MoveEvent(30, 40), ReleaseEvent(30, 40), KeyEvent(27)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int beeps = backend.beeps;
        console.SetMouseEvents(kAllButtons, c.mouseKinds);
        backend.Script(c.events);

        AreaNeededMessage(console, screen);

        EXPECT_EQ(backend.beeps, beeps + 1);
        EXPECT_EQ(backend.Pending(), 0u);
        const char* lines[] = {"You must click", "on two diagonal",  "corners before",
                               "this function",  "will work. Click", "on both corners",
                               "again."};
        for (int i = 0; i < 7; ++i) {
            EXPECT_TRUE(backend.ShowsAt(8 + i, 34, lines[i])) << lines[i];
            EXPECT_EQ(backend.Shown(8 + i, 34).attr, 0x1B);
        }
        EXPECT_EQ(Now(), before);
    }
}

TEST_F(PopupsTest, WindowNeededMessageAsksForTheWindowFirst) {
    backend.Then(KeyEvent('\r'));
    WindowNeededMessage(console);
    const auto [row, col] = backend.Find("You should create your Graphic Window first. ");
    EXPECT_TRUE(backend.ShowsAt(row, col - 4, "?"));
    backend.Find("OK");
    EXPECT_EQ(Now(), before);
}

}  // namespace
}  // namespace gridlet
