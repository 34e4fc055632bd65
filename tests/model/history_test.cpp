#include "model/history.h"

#include <gtest/gtest.h>

#include <string>

namespace gridlet {
namespace {

TEST(History, NewestFirstAndTheOldestFallsOff) {
    Design design;
    for (int i = 1; i <= kHistorySize + 1; ++i)
        PushHistory(design, "code" + std::to_string(i), "screen" + std::to_string(i));
    EXPECT_EQ(design.codeHistory[0], "code802");
    EXPECT_EQ(design.screenHistory[0], "screen802");
    EXPECT_EQ(design.codeHistory[kHistorySize - 1], "code2");
    EXPECT_EQ(design.screenHistory[kHistorySize - 1], "screen2");

    DropNewestHistory(design);
    EXPECT_EQ(design.codeHistory[0], "code801");
    EXPECT_EQ(design.screenHistory[0], "screen801");
    EXPECT_EQ(design.codeHistory[kHistorySize - 2], "code2");
    EXPECT_EQ(design.codeHistory[kHistorySize - 1], "");
    EXPECT_EQ(design.screenHistory[kHistorySize - 1], "");
}

}  // namespace
}  // namespace gridlet
