#include "platform/size_notice.h"

#include <gtest/gtest.h>

namespace gridlet {
namespace {

TEST(SizeNotice, CentresTheLinesSayingBothSizes) {
    EXPECT_EQ(SizeNotice(80, 24),
              "\x1b[0m\x1b[2J"
              "\x1b[11;17HGridlet needs a terminal of 90 x 46 characters."
              "\x1b[12;30HThis one has 80 x 24."
              "\x1b[13;30HPlease make it larger."
              "\x1b[14;32Hq or Ctrl+C quits");
}

TEST(SizeNotice, ATinyTerminalGetsWhatFits) {
    EXPECT_EQ(SizeNotice(10, 2), "\x1b[0m\x1b[2J\x1b[1;1HGridlet ne\x1b[2;1HThis one h");
    EXPECT_EQ(SizeNotice(0, 0), "\x1b[0m\x1b[2J");
}

}  // namespace
}  // namespace gridlet
