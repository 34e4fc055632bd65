#include "design/history.h"

#include <gtest/gtest.h>

#include <string>

namespace gridlet {
namespace {

TEST(History, NewestFirstAndTheOldestFallsOff) {
    DesignState state;
    for (int i = 1; i <= kHistorySize + 1; ++i)
        PushHistory(state, "code" + std::to_string(i), "screen" + std::to_string(i));
    EXPECT_EQ(state.codeHistory[0], "code802");
    EXPECT_EQ(state.screenHistory[0], "screen802");
    EXPECT_EQ(state.codeHistory[kHistorySize - 1], "code2");
    EXPECT_EQ(state.screenHistory[kHistorySize - 1], "screen2");

    DropNewestHistory(state);
    EXPECT_EQ(state.codeHistory[0], "code801");
    EXPECT_EQ(state.screenHistory[0], "screen801");
    EXPECT_EQ(state.codeHistory[kHistorySize - 2], "code2");
    EXPECT_EQ(state.codeHistory[kHistorySize - 1], "");
    EXPECT_EQ(state.screenHistory[kHistorySize - 1], "");
}

}  // namespace
}  // namespace gridlet
