#include "dialogs/path_in_code.h"

#include <gtest/gtest.h>

namespace gridlet {
namespace {

TEST(WhyNotInCode, PathsTheCodeCannotHoldAreRefusedWithTheReason) {
    const std::string charset =
        "it holds characters that Windows-1252, the code's character set, does not have.";
    const struct {
        const char* what;
        std::string path;
        std::string why;
    } cases[] = {
        {"plain", "/home/ann/pic.bmp", ""},
        {"UTF-8 accents and the euro", "/home/ann/caf\xC3\xA9 \xE2\x82\xAC.bmp", ""},
        {"Latin-1 bytes", "/home/ann/caf\xE9.bmp", charset},
        {"CJK", "/home/ann/\xE7\x94\xBB.bmp", charset},
        {"a folder in CJK", "/home/\xE7\x94\xBB/pic.bmp", charset},
        {"a double quote", "/home/ann/say \"hi\".bmp",
         "it holds a double quote, which would end the code's string."},
        {"a line break", "/home/ann/two\nlines.bmp",
         "it holds a line break, which would break the code's line."},
        {"a carriage return", "/home/ann/two\rlines.bmp",
         "it holds a line break, which would break the code's line."},
        {"an escape", "/home/ann/\x1B[31m.bmp", "it holds a control character."},
        {"a C1 control", "/home/ann/\xC2\x81.bmp", "it holds a control character."},
    };
    for (const auto& c : cases) EXPECT_EQ(WhyNotInCode(c.path), c.why) << c.what;
}

}  // namespace
}  // namespace gridlet
