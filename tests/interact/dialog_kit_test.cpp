#include "interact/dialog_kit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/input_events.h"

namespace gridlet {
namespace {

ConsoleEvent Key(char ch) {
    return ConsoleEventOf(KeyEvent(ch), 0, 0);
}

TEST(NumberField, DigitsUpToTheWidthBackspaceAndAFreshFieldStartsOver) {
    struct Case {
        const char* name;
        std::string text;
        bool fresh;
        std::vector<char> keys;
        std::string expected;
    };
    const Case cases[] = {
        {"digits up to the width", "", false, {'1', '2', '3', '4'}, "123"},
        {"a fresh field is replaced", "255", true, {'7'}, "7"},
        {"backspace on a fresh field empties it", "255", true, {kBackspaceKey}, ""},
        {"backspace takes the last digit", "255", false, {kBackspaceKey}, "25"},
        {"other keys change nothing", "25", true, {'a', ' ', '-'}, "25"},
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        bool fresh = c.fresh;
        for (char key : c.keys) EditNumberField(text, 3, fresh, Key(key));
        EXPECT_EQ(text, c.expected) << c.name;
    }
}

TEST(NumberField, SaysWhetherTheKeyWasItsAndKeepsFreshForOthers) {
    std::string text = "9";
    bool fresh = true;
    EXPECT_FALSE(EditNumberField(text, 3, fresh, Key('x')));
    EXPECT_TRUE(fresh);
    EXPECT_FALSE(EditNumberField(text, 3, fresh, ConsoleEventOf(ExtendedKeyEvent(kScanUp), 0, 0)));
    EXPECT_TRUE(EditNumberField(text, 3, fresh, Key('4')));
    EXPECT_FALSE(fresh);
    EXPECT_EQ(text, "4");
}

}  // namespace
}  // namespace gridlet
