#include "platform/text_case.h"

#include <gtest/gtest.h>

namespace gridlet {
namespace {

TEST(TextCase, AsciiLettersFoldOtherBytesStand) {
    EXPECT_TRUE(SameIgnoringCase('g', 'G'));
    EXPECT_FALSE(SameIgnoringCase('\xE9', '\xC9')) << "Windows-1252 letters are not folded";
    EXPECT_EQ(UpperCase('y'), 'Y');
    EXPECT_EQ(LowerCase('?'), '?');
}

TEST(TextCase, OrderIgnoresCaseAndPutsHighBytesLast) {
    EXPECT_TRUE(LessIgnoringCase("alpha", "Beta"));
    EXPECT_FALSE(LessIgnoringCase("Beta", "alpha"));
    EXPECT_FALSE(LessIgnoringCase("ABC", "abc"));
    EXPECT_TRUE(LessIgnoringCase("ab", "abc"));
    EXPECT_TRUE(LessIgnoringCase("zebra", "\xC9t\xE9"));
}

TEST(TextCase, EqualAndContainsIgnoreCase) {
    EXPECT_TRUE(EqualIgnoringCase("Lucida Console", "LUCIDA CONSOLE"));
    EXPECT_FALSE(EqualIgnoringCase("Consola", "CONSOLAS"));
    EXPECT_TRUE(ContainsIgnoringCase("   LOCAL esc, hFont AS LONG", "HFONT"));
    EXPECT_FALSE(ContainsIgnoringCase("   LOCAL esc AS LONG", "HFONT"));
}

}  // namespace
}  // namespace gridlet
