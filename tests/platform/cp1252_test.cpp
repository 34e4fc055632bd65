#include "platform/cp1252.h"

#include <gtest/gtest.h>

namespace gridlet {
namespace {

TEST(Cp1252, EveryByteSurvivesTheWayToUtf8AndBack) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(byte)), byte) << b;
    }
}

TEST(Cp1252, ConvertsToUtf8) {
    const struct {
        std::string cp1252, utf8;
    } cases[] = {
        {"PRINT \"x\"\r\n", "PRINT \"x\"\r\n"},
        {"\x80", "\u20AC"},
        {"\x92\x93\x94", "\u2019\u201C\u201D"},
        {"\x96\x97", "\u2013\u2014"},
        {"\x9F", "\u0178"},
        {"\xA0\xE9\xFF", "\u00A0\u00E9\u00FF"},
        {"\x81\x8D\x8F\x90\x9D", "\u0081\u008D\u008F\u0090\u009D"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Cp1252ToUtf8(c.cp1252), c.utf8) << c.cp1252;
        EXPECT_EQ(Utf8ToCp1252(c.utf8), c.cp1252) << c.utf8;
    }
}

TEST(Cp1252, MarksWhatItCannotHoldWithAQuestionMark) {
    const struct {
        std::string utf8, cp1252;
    } cases[] = {
        {"\u03C0r\u00B2", "?r\xB2"}, {"\U0001F600!", "?!"}, {"\u0100", "?"}, {"a\xC3", "a?"},
        {"\xFF\xFE", "??"},          {"\xE2\x82x", "?x"},
    };
    for (const auto& c : cases) EXPECT_EQ(Utf8ToCp1252(c.utf8), c.cp1252) << c.utf8;
}

}  // namespace
}  // namespace gridlet
