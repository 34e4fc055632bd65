#include "platform/escape_controls.h"

#include <gtest/gtest.h>

namespace gridlet {
namespace {

TEST(EscapeControls, ControlCharactersAreWrittenOutAndTheRestIsLeft) {
    const struct {
        std::string text;
        std::string shown;
    } cases[] = {
        {"plain name.GDL", "plain name.GDL"},
        {"\x1b]0;title\a.GDL", "\\e]0;title\\a.GDL"},
        {"a\bb\tc\nd\ve\ff\rg", "a\\bb\\tc\\nd\\ve\\ff\\rg"},
        {std::string("nul\0x", 5), "nul\\x00x"},
        {"\x01\x1f\x7f", "\\x01\\x1f\\x7f"},
        {"caf\xc3\xa9 Z\xc3\xbcrich", "caf\xc3\xa9 Z\xc3\xbcrich"},
        {"csi \xc2\x9b"
         "31m",
         "csi \\u009b31m"},
        {"nbsp \xc2\xa0, back\\slash", "nbsp \xc2\xa0, back\\slash"},
        {"ends in \xc2", "ends in \xc2"},
    };
    for (const auto& c : cases) EXPECT_EQ(EscapeControls(c.text), c.shown) << c.shown;
}

}  // namespace
}  // namespace gridlet
