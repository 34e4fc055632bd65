#include "platform/motion_coalescing.h"

#include <gtest/gtest.h>

#include "platform/input_description.h"
#include "platform/input_events.h"

namespace gridlet {
namespace {

TEST(MotionCoalescing, OnlyTheLatestOfTheWaitingMovesCountsAndAllElseKeepsItsOrder) {
    std::deque<InputEvent> queue;
    for (int i = 0; i < 10000; ++i) queue.push_back(MoveEvent(1 + i % 45, 1 + i % 89));
    queue.push_back(PressEvent(5, 6));
    queue.push_back(MoveEvent(7, 8));
    queue.push_back(MoveEvent(9, 10));
    queue.push_back(ReleaseEvent(9, 10));
    queue.push_back(KeyEvent('x'));
    queue.push_back(MoveEvent(11, 12));

    std::vector<std::string> taken;
    while (!queue.empty()) taken.push_back(Describe(TakeCoalesced(queue)));
    const std::vector<std::string> expected = {
        Describe(MoveEvent(1 + 9999 % 45, 1 + 9999 % 89)),
        Describe(PressEvent(5, 6)),
        Describe(MoveEvent(9, 10)),
        Describe(ReleaseEvent(9, 10)),
        Describe(KeyEvent('x')),
        Describe(MoveEvent(11, 12)),
    };
    EXPECT_EQ(taken, expected);
}

}  // namespace
}  // namespace gridlet
